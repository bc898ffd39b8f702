#pragma once

#include <array>
#include <cstdint>

#include "search/position_tests.h"
#include "state/app_state.h"

// The start position of each step of a plan, from the first on.
using PlanChain = std::array<std::int32_t, kMaxPlanSteps>;

// Chains 0 to result - 1, in ascending order of their first position.
struct PlanSearchResults {
    std::int32_t result;
    std::array<PlanChain, kSearchEnd> chains;
};

// Scans sequence seedIndex from startPosition for the positions p where the steps of the plan
// each hold in turn: step 1 at p, every later step where the one before stopped, each below
// kSearchEnd. A step holds where a search of its own members, started there, would find that
// very position. Returns the number of results, or the -1/-2 of the first step whose level-up
// wishes cannot be searched. The state's step members are left as they were.
std::int32_t search_plan(AppState& state, const TurnPlan& plan, int seedIndex, int startPosition,
                         PlanSearchResults& results);

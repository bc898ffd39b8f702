#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "search/position_tests.h"
#include "state/session.h"
#include "state/tables.h"

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
// wishes cannot be searched.
std::int32_t search_plan(const TurnPlan& plan, const Tables& tables, int seedIndex,
                         int startPosition, PlanSearchResults& results);

// The positions from startPosition on (below kSearchEnd), ascending, at which the plan holds on
// every one of the sequences seeds: on each, its own chain from the position holds step by step
// as search_plan finds it. A plan without steps stands for the action alone. A position is
// tested on a sequence only while it has held on every sequence before. Returns how many
// positions it wrote, or -1/-2 as search_plan; work is its scratch.
std::int32_t search_common(const Action& action, const TurnPlan& plan, const Tables& tables,
                           std::span<const std::int32_t> seeds, int startPosition,
                           PlanSearchResults& work, std::int32_t* positions);

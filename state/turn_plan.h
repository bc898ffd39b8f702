#pragma once

#include <array>
#include <cstdint>

#include "state/action.h"

constexpr int kMaxPlanSteps = 16;

// Several actions in a row, each spending values from where the one before stopped. A plan is
// in use when it has at least one step.
struct TurnPlan {
    std::int32_t stepCount;
    std::array<Action, kMaxPlanSteps> steps;
};

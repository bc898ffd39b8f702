#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "state/action.h"

constexpr int kMaxPlanSteps = 16;

// Several actions in a row, each spending values from where the one before stopped. A plan is
// in use when it has at least one step.
struct TurnPlan {
    std::int32_t stepCount;
    std::array<Action, kMaxPlanSteps> steps;

    // The same steps in the same order; what lies past stepCount is no part of the plan.
    bool operator==(const TurnPlan& other) const {
        const int count = stepCount < 0 ? 0 : stepCount > kMaxPlanSteps ? kMaxPlanSteps : stepCount;
        return stepCount == other.stepCount &&
               std::equal(steps.begin(), steps.begin() + count, other.steps.begin());
    }
};

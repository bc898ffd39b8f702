// The command line's scenario reader, on JSON of any shape and size: either it refuses the
// text with its one kind of error, or what it stores, at the top level and in every step,
// lies within the ranges it promises.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/scenario.h"
#include "fuzz_check.h"

namespace {

void check_step(const PlanStep& step) {
    for (const CombatantState* unit : {&step.ally, &step.enemy}) {
        FUZZ_CHECK(std::memchr(unit->name, '\0', sizeof unit->name) != nullptr);
        FUZZ_CHECK(unit->level >= -999 && unit->level <= 9999);
        FUZZ_CHECK(unit->maxHp >= -999 && unit->maxHp <= 9999);
    }
    for (const std::int32_t wanted : step.levelUpWanted) {
        FUZZ_CHECK(wanted >= 0 && wanted <= 2);
    }
    for (const std::int32_t rate : step.growthRates) {
        FUZZ_CHECK(rate >= -999 && rate <= 9999);
    }
    FUZZ_CHECK(step.allyCondition.unspecified <= 1 && step.enemyCondition.unspecified <= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<AppState> state = std::make_unique<AppState>();
    static TurnPlan plan;
    std::memset(static_cast<void*>(state.get()), 0, sizeof(AppState));
    set_start_up_defaults(*state);
    try {
        apply_scenario_text(std::string(reinterpret_cast<const char*>(data), size), *state, plan);
    } catch (const CliError&) {
        return 0;
    }
    for (const Lane& lane : state->lanes) {
        FUZZ_CHECK(lane.seedIndex >= 0 && lane.seedIndex < kSeedCount);
        FUZZ_CHECK(lane.position >= kFirstLanePosition && lane.position <= kLastLanePosition);
    }
    check_step(plan_step_of(*state));
    FUZZ_CHECK(plan.stepCount >= 0 && plan.stepCount <= kMaxPlanSteps);
    for (int k = 0; k < plan.stepCount; ++k) {
        check_step(plan.steps[k]);
        FUZZ_CHECK(plan_step_acts(plan.steps[k]));
    }
    return 0;
}

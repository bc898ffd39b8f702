#include "search/plan_search.h"

#include <algorithm>

namespace {

// What one step gave at each position, while the chains are walked through that step: every
// position is tested and simulated at most once.
struct StepMemo {
    bool tested[kSearchEnd];
    bool holds[kSearchEnd];
    std::int16_t spent[kSearchEnd];
};

bool battle_first(SearchMode mode) {
    return mode == SearchMode::kBattle || mode == SearchMode::kLevelUpAfterBattle;
}

// Tests the step loaded into the state at p; the run of its events from p, which the test of
// a battle reads and which gives what the step spends, is made only when needed.
void test_step_at(AppState& state, const PositionTest& test, ConsumptionLog& log, int p,
                  StepMemo& stepMemo) {
    const Sequence& sequence = state.randomTable.sequences[log.seedIndex];
    log.position = p;
    if (battle_first(test.mode)) {
        run_state_events(state, log);
    }
    bool holds = false;
    switch (test.mode) {
        case SearchMode::kNothing:
            break;
        case SearchMode::kReMove:
            holds = re_move_at(test, sequence, p);
            break;
        case SearchMode::kLevelUp:
            holds = level_up_at(test, sequence, p);
            break;
        case SearchMode::kBattle:
            holds = battle_holds_at(test, sequence, p, battle_outcome(state, log));
            break;
        case SearchMode::kLevelUpAfterBattle:
            holds = level_up_after_battle_at(test, sequence, p, battle_outcome(state, log));
            break;
    }
    if (holds && !battle_first(test.mode)) {
        run_state_events(state, log);
    }
    stepMemo.tested[p] = true;
    stepMemo.holds[p] = holds;
    stepMemo.spent[p] = static_cast<std::int16_t>(log.count);
}

}  // namespace

std::int32_t search_plan(AppState& state, const TurnPlan& plan, int seedIndex, int startPosition,
                         PlanSearchResults& results) {
    const int stepCount = std::clamp(plan.stepCount, 0, kMaxPlanSteps);
    const Action saved = state;
    PositionTest tests[kMaxPlanSteps];
    results.result = 0;
    for (int k = 0; k < stepCount && results.result == 0; ++k) {
        static_cast<Action&>(state) = plan.steps[k];
        results.result = prepare_position_test(state, tests[k]);
    }
    if (results.result != 0) {
        static_cast<Action&>(state) = saved;
        return results.result;
    }
    std::int32_t alive = 0;
    for (int p = std::max(startPosition, kFirstLanePosition); p < kSearchEnd; ++p) {
        results.chains[alive] = PlanChain{};
        results.chains[alive++][0] = p;
    }
    ConsumptionLog log{};
    log.seedIndex = seedIndex;
    StepMemo stepMemo;
    // Step by step, so that each step's members are loaded once and the chains that share a
    // start position share its test.
    for (int k = 0; k < stepCount; ++k) {
        static_cast<Action&>(state) = plan.steps[k];
        std::fill(std::begin(stepMemo.tested), std::end(stepMemo.tested), false);
        std::int32_t kept = 0;
        for (std::int32_t i = 0; i < alive; ++i) {
            const int p = results.chains[i][k];
            if (p >= kSearchEnd) {
                continue;
            }
            if (!stepMemo.tested[p]) {
                test_step_at(state, tests[k], log, p, stepMemo);
            }
            if (stepMemo.holds[p]) {
                results.chains[kept] = results.chains[i];
                if (k + 1 < stepCount) {
                    results.chains[kept][k + 1] = p + stepMemo.spent[p];
                }
                ++kept;
            }
        }
        alive = kept;
    }
    static_cast<Action&>(state) = saved;
    results.result = alive;
    return alive;
}

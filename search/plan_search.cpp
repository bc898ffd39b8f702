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
// What it spends is needed only before a later step.
void test_step_at(AppState& state, const PositionTest& test, ConsumptionLog& log, int p,
                  bool needSpent, StepMemo& stepMemo) {
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
    if (holds && needSpent && !battle_first(test.mode)) {
        run_state_events(state, log);
    }
    stepMemo.tested[p] = true;
    stepMemo.holds[p] = holds;
    stepMemo.spent[p] = static_cast<std::int16_t>(log.count);
}

// Each step's test, worked out once: 0, or the -1/-2 of the first step whose level-up wishes
// cannot be searched.
std::int32_t prepare_steps(AppState& state, const TurnPlan& plan, int stepCount,
                           PositionTest (&tests)[kMaxPlanSteps]) {
    const Action saved = state;
    std::int32_t failure = 0;
    for (int k = 0; k < stepCount && failure == 0; ++k) {
        static_cast<Action&>(state) = plan.steps[k];
        failure = prepare_position_test(state, tests[k]);
    }
    static_cast<Action&>(state) = saved;
    return failure;
}

// Of the first alive chains, each begun at its first position, keeps in order those along which
// every step holds in turn on sequence seedIndex; returns how many are kept. Step by step, so
// that each step's members are loaded once and the chains that share a position share its test.
std::int32_t walk_chains(AppState& state, const TurnPlan& plan, int stepCount,
                         const PositionTest (&tests)[kMaxPlanSteps], int seedIndex,
                         PlanSearchResults& results, std::int32_t alive) {
    const Action saved = state;
    ConsumptionLog log{};
    log.seedIndex = seedIndex;
    StepMemo stepMemo;
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
                test_step_at(state, tests[k], log, p, k + 1 < stepCount, stepMemo);
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
    return alive;
}

// One chain begun at each position from startPosition on.
std::int32_t begin_chains(int startPosition, PlanSearchResults& results) {
    std::int32_t alive = 0;
    for (int p = std::max(startPosition, kFirstLanePosition); p < kSearchEnd; ++p) {
        results.chains[alive] = PlanChain{};
        results.chains[alive++][0] = p;
    }
    return alive;
}

}  // namespace

std::int32_t search_plan(AppState& state, const TurnPlan& plan, int seedIndex, int startPosition,
                         PlanSearchResults& results) {
    const int stepCount = std::clamp(plan.stepCount, 0, kMaxPlanSteps);
    PositionTest tests[kMaxPlanSteps];
    results.result = prepare_steps(state, plan, stepCount, tests);
    if (results.result == 0) {
        results.result = walk_chains(state, plan, stepCount, tests, seedIndex, results,
                                     begin_chains(startPosition, results));
    }
    return results.result;
}

std::int32_t search_common(AppState& state, const TurnPlan& plan, const std::int32_t* seeds,
                           int seedCount, int startPosition, PlanSearchResults& work,
                           std::int32_t* positions) {
    TurnPlan single{};
    const bool ownAction = plan.stepCount <= 0;
    if (ownAction) {
        single.stepCount = 1;
        single.steps[0] = state;
    }
    const TurnPlan& walked = ownAction ? single : plan;
    const int stepCount = std::clamp(walked.stepCount, 0, kMaxPlanSteps);
    PositionTest tests[kMaxPlanSteps];
    const std::int32_t failure = prepare_steps(state, walked, stepCount, tests);
    if (failure != 0 || seedCount <= 0) {
        return failure;
    }
    std::int32_t alive = begin_chains(startPosition, work);
    for (int s = 0; s < seedCount && alive > 0; ++s) {
        alive = walk_chains(state, walked, stepCount, tests, seeds[s], work, alive);
    }
    for (std::int32_t i = 0; i < alive; ++i) {
        positions[i] = work.chains[i][0];
    }
    return alive;
}

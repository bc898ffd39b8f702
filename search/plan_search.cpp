#include "search/plan_search.h"

#include <algorithm>

#include "state/action_runs.h"

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

// Tests step at p; the run of its events from p, which the test of a battle reads and which
// gives what the step spends, is made only when needed. What it spends is needed only before a
// later step.
void test_step_at(const Action& step, const RandomTable& table, const PositionTest& test,
                  SequenceRun& run, int p, bool needSpent, StepMemo& stepMemo) {
    const int seedIndex = run.log.seedIndex;
    const Sequence& sequence = table.sequences[seedIndex];
    if (battle_first(test.mode)) {
        run_action_into(step, table, seedIndex, p, run);
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
            holds = battle_holds_at(test, sequence, p, battle_outcome(step, run));
            break;
        case SearchMode::kLevelUpAfterBattle:
            holds = level_up_after_battle_at(test, sequence, p, battle_outcome(step, run));
            break;
    }
    if (holds && needSpent && !battle_first(test.mode)) {
        run_action_into(step, table, seedIndex, p, run);
    }
    stepMemo.tested[p] = true;
    stepMemo.holds[p] = holds;
    stepMemo.spent[p] = static_cast<std::int16_t>(run.log.count);
}

// Each step's test, worked out once: 0, or the -1/-2 of the first step whose level-up wishes
// cannot be searched.
std::int32_t prepare_steps(const TurnPlan& plan, int stepCount, const GameTables& tables,
                           PositionTest (&tests)[kMaxPlanSteps]) {
    std::int32_t failure = 0;
    for (int k = 0; k < stepCount && failure == 0; ++k) {
        failure = prepare_position_test(plan.steps[k], tables, tests[k]);
    }
    return failure;
}

// Of the first alive chains, each begun at its first position, keeps in order those along which
// every step holds in turn on sequence seedIndex; returns how many are kept. Step by step, so
// that the chains that share a position share its test.
std::int32_t walk_chains(const TurnPlan& plan, int stepCount, const RandomTable& table,
                         const PositionTest (&tests)[kMaxPlanSteps], int seedIndex,
                         PlanSearchResults& results, std::int32_t alive) {
    SequenceRun run{};
    run.log.seedIndex = seedIndex;
    StepMemo stepMemo;
    for (int k = 0; k < stepCount; ++k) {
        std::fill(std::begin(stepMemo.tested), std::end(stepMemo.tested), false);
        std::int32_t kept = 0;
        for (std::int32_t i = 0; i < alive; ++i) {
            const int p = results.chains[i][k];
            if (p >= kSearchEnd) {
                continue;
            }
            if (!stepMemo.tested[p]) {
                test_step_at(plan.steps[k], table, tests[k], run, p, k + 1 < stepCount, stepMemo);
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

std::int32_t search_plan(const TurnPlan& plan, const Tables& tables, int seedIndex,
                         int startPosition, PlanSearchResults& results) {
    const int stepCount = std::clamp(plan.stepCount, 0, kMaxPlanSteps);
    PositionTest tests[kMaxPlanSteps];
    results.result = prepare_steps(plan, stepCount, tables, tests);
    if (results.result == 0) {
        results.result = walk_chains(plan, stepCount, tables.randomTable, tests, seedIndex, results,
                                     begin_chains(startPosition, results));
    }
    return results.result;
}

std::int32_t search_common(const Action& action, const TurnPlan& plan, const Tables& tables,
                           std::span<const std::int32_t> seeds, int startPosition,
                           PlanSearchResults& work, std::int32_t* positions) {
    TurnPlan single{};
    const bool ownAction = plan.stepCount <= 0;
    if (ownAction) {
        single.stepCount = 1;
        single.steps[0] = action;
    }
    const TurnPlan& walked = ownAction ? single : plan;
    const int stepCount = std::clamp(walked.stepCount, 0, kMaxPlanSteps);
    PositionTest tests[kMaxPlanSteps];
    const std::int32_t failure = prepare_steps(walked, stepCount, tables, tests);
    if (failure != 0 || seeds.empty()) {
        return failure;
    }
    std::int32_t alive = begin_chains(startPosition, work);
    for (std::size_t s = 0; s < seeds.size() && alive > 0; ++s) {
        alive = walk_chains(walked, stepCount, tables.randomTable, tests, seeds[s], work, alive);
    }
    for (std::int32_t i = 0; i < alive; ++i) {
        positions[i] = work.chains[i][0];
    }
    return alive;
}

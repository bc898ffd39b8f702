#include "state/action_runs.h"

#include <algorithm>

SequenceRun run_action_at(const Action& action, const RandomTable& table, int seedIndex,
                          int position) {
    SequenceRun run{};
    run_action_into(action, table, seedIndex, position, run);
    return run;
}

void run_action_into(const Action& action, const RandomTable& table, int seedIndex, int position,
                     SequenceRun& run) {
    ActionRunner(action, table).run(seedIndex, position, run);
}

ActionRunner::ActionRunner(const Action& action, const RandomTable& table)
    : action_(action), table_(table), ally_(action.ally), enemy_(action.enemy) {}

void ActionRunner::run(int seedIndex, int position, SequenceRun& run) {
    run.log.seedIndex = seedIndex;
    run.log.position = position;
    run_events(ally_, enemy_, run.log, action_.predictSwitch, action_.eventSwitches,
               table_.sequences[seedIndex], action_.growthRates);
    run.allyHpAfterBattle = ally_.hpAfterBattle;
    run.enemyHpAfterBattle = enemy_.hpAfterBattle;
}

void run_on_sequences(const Action& action, const RandomTable& table, const std::int32_t* seeds,
                      int count, int position, SequenceRuns& runs) {
    for (int c = 0; c < std::min(count, kSeedCount); ++c) {
        runs[c] = run_action_at(action, table, seeds[c], position);
    }
}

int run_plan_chain(const TurnPlan& plan, const RandomTable& table, int seedIndex, int position,
                   PlanRuns& runs) {
    int ran = 0;
    for (int k = 0;
         k < std::clamp(plan.stepCount, 0, kMaxPlanSteps) && position <= kLastLanePosition; ++k) {
        runs[k] = run_action_at(plan.steps[k], table, seedIndex, position);
        position += runs[k].log.count;
        ran = k + 1;
    }
    return ran;
}

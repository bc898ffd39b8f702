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
    CombatantState ally = action.ally;
    CombatantState enemy = action.enemy;
    run.log.seedIndex = seedIndex;
    run.log.position = position;
    run_events(ally, enemy, run.log, action.predictSwitch, action.eventSwitches,
               table.sequences[seedIndex], action.growthRates);
    run.allyHpAfterBattle = ally.hpAfterBattle;
    run.enemyHpAfterBattle = enemy.hpAfterBattle;
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

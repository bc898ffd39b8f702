#pragma once

#include <array>
#include <cstdint>

#include "random/random_table.h"
#include "sim/consumption_log.h"
#include "state/turn_plan.h"

// What an action gives on one sequence from one position: its log and both units' HP after
// its battle.
struct SequenceRun {
    ConsumptionLog log;
    std::int32_t allyHpAfterBattle;
    std::int32_t enemyHpAfterBattle;
};
using SequenceRuns = std::array<SequenceRun, kSeedCount>;

// The action's events, as lane 0 would run them on sequence seedIndex from position.
SequenceRun run_action_at(const Action& action, const RandomTable& table, int seedIndex,
                          int position);

// The same into a run the caller keeps, so that a scan of thousands of positions fills one record
// instead of a fresh one each time. The log is rebuilt as the event runner rebuilds it: what the
// action writes is exactly as above, and the fields it does not write (a battle's strike groups
// and hits, when it has no battle) keep what the last run left.
void run_action_into(const Action& action, const RandomTable& table, int seedIndex, int position,
                     SequenceRun& run);

// One action run at many places, as run_action_into runs it, its units copied once: a run leaves
// them as it found them but for the HPs after the battle, which every run of the action writes
// alike (or, without a battle, none does). A search of thousands of places saves the copies.
class ActionRunner {
public:
    ActionRunner(const Action& action, const RandomTable& table);
    void run(int seedIndex, int position, SequenceRun& run);

private:
    const Action& action_;
    const RandomTable& table_;
    CombatantState ally_;
    CombatantState enemy_;
};

// Runs the action's events as lane 0 would, once on each of count sequences (at most 64), each
// from position.
void run_on_sequences(const Action& action, const RandomTable& table, const std::int32_t* seeds,
                      int count, int position, SequenceRuns& runs);

// The plan's steps as lane 0 runs them on sequence seedIndex from position: each step a run of
// its own members from where the step before stopped. The chain ends before a step that would
// start past the last lane position; returns how many steps ran.
using PlanRuns = std::array<SequenceRun, kMaxPlanSteps>;
int run_plan_chain(const TurnPlan& plan, const RandomTable& table, int seedIndex, int position,
                   PlanRuns& runs);

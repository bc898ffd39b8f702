#include "state/app_state.h"

#include <memory>

void set_lane_defaults(AppState& state) {
    for (Lane& lane : state.lanes) {
        lane.seedIndex = 0;
        lane.position = kFirstLanePosition;
    }
}

void set_unit_defaults(AppState& state) {
    CombatantState& ally = state.ally;
    ally.hp = 40;
    ally.maxHp = 60;
    ally.level = 10;
    ally.technique = 10;
    ally.luck = 10;
    ally.critRate = 10;
    ally.attackSpeed = 10;
    ally.defense = 10;
    ally.hitRate = 90;
    ally.attack = 20;
    ally.listIndex = 0;
    ally.skills.fill(0);
    ally.skills[kSkillContinue] = 1;

    CombatantState& enemy = state.enemy;
    enemy.hitRate = 40;
    enemy.hp = 40;
    enemy.maxHp = 60;
    enemy.level = 10;
    enemy.technique = 5;
    enemy.luck = 5;
    enemy.attackSpeed = 5;
    enemy.critRate = 2;
    enemy.attack = 20;
    enemy.defense = 10;
    enemy.listIndex = 0;
}

void set_condition_defaults(AppState& state) {
    state.candidateCount = 0;
    state.lastMarkText[0] = '\0';
    state.booksHeld.fill(0);
    state.eventSwitches.fill(0);
    state.predictSwitch = 0;
    state.allyCondition = BattleResultCondition{kResultHpUnchanged, 0, 1};
    state.enemyCondition = BattleResultCondition{kResultHpUnchanged, 0, 1};
    state.levelUpWanted.fill(1);
    state.plan.stepCount = 0;
}

void set_start_up_defaults(AppState& state) {
    set_lane_defaults(state);
    set_unit_defaults(state);
    set_condition_defaults(state);
}

bool ally_is_set(const AppState& state) {
    return state.ally.name[0] != '\0';
}

const Action& lane_zero_action(const AppState& state) {
    return state.plan.stepCount > 0 ? state.plan.steps[0] : static_cast<const Action&>(state);
}

std::int32_t re_move_rate_of(const GameTables& tables, const CombatantState& ally) {
    const int row = find_ally_by_name(tables, ally.name);
    return row < 0 ? 0 : tables.growthTable[row][kReMoveRateIndex];
}

std::int32_t ally_re_move_rate(const AppState& state) {
    return re_move_rate_of(state, state.ally);
}

void run_state_events(AppState& state, ConsumptionLog& log) {
    run_events(state.ally, state.enemy, log, state.predictSwitch, state.eventSwitches,
               state.randomTable.sequences[log.seedIndex], state.growthRates);
}

namespace {

// The plan's chain as one log: each step's entries after the one before, as many as fit.
void run_lane_plan(AppState& state, int lane) {
    Lane& log = state.lanes[lane];
    LaneSteps& steps = state.laneSteps[lane];
    PlanRuns runs;
    steps.count = run_plan_chain(state.plan, state.randomTable, log.seedIndex, log.position, runs);
    log.success.fill(0);
    log.count = 0;
    for (int k = 0; k < steps.count; ++k) {
        const Lane& step = runs[k].log;
        StepSpan& span = steps.spans[k];
        span.start = log.count;
        for (int i = 0; i < step.count && log.count < kLogCapacity; ++i, ++log.count) {
            log.codes[log.count] = step.codes[i];
            log.success[log.count] = step.success[i];
        }
        span.end = log.count;
        span.predictSwitch = state.plan.steps[k].predictSwitch;
        span.predictStart = span.start + step.predictStart;
        span.predictEnd = span.start + step.predictEnd;
        for (int slot = 0; slot < kStrikeStartSlots; ++slot) {
            const std::int32_t first = step.strikeStarts[slot];
            span.strikeStarts[slot] = first == kNoStrikeGroup ? first : span.start + first;
        }
    }
    if (lane == 0 && steps.count > 0) {
        state.laneZeroAllyHpAfter = runs[0].allyHpAfterBattle;
        state.laneZeroEnemyHpAfter = runs[0].enemyHpAfterBattle;
    }
}

}  // namespace

void rerun_lane(AppState& state, int lane) {
    if (!ally_is_set(state)) {
        return;
    }
    state.laneSteps[lane].count = 0;
    if (state.plan.stepCount > 0) {
        run_lane_plan(state, lane);
        return;
    }
    run_state_events(state, state.lanes[lane]);
    if (lane == 0) {
        state.laneZeroAllyHpAfter = state.ally.hpAfterBattle;
        state.laneZeroEnemyHpAfter = state.enemy.hpAfterBattle;
    }
}

void rerun_both_lanes(AppState& state) {
    rerun_lane(state, 0);
    rerun_lane(state, 1);
    refresh_telling_entry(state);
}

void refresh_telling_entry(AppState& state) {
    const NextMarkAdvice& advice = state.markAdvice;
    state.tellingEntry.entry = -1;
    if (!state.adviceShown || advice.groupCount == 0 || advice.marksToSettle != 0 ||
        !ally_is_set(state)) {
        return;
    }
    // 64 logs: too large for the stack of the window's thread to spare lightly.
    const auto runs = std::make_unique<SequenceRuns>();
    run_on_sequences(state, state.randomTable, state.candidates, state.candidateCount,
                     state.markCount + 1, *runs);
    find_telling_entry(*runs, state.candidateCount, state.tellingEntry);
}

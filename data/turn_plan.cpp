#include "data/turn_plan.h"

PlanStep plan_step_of(const AppState& state) {
    return PlanStep{state.ally,          state.enemy,         state.eventSwitches,
                    state.predictSwitch, state.allyCondition, state.enemyCondition,
                    state.levelUpWanted, state.booksHeld,     state.growthRates};
}

void load_plan_step(AppState& state, const PlanStep& step) {
    state.ally = step.ally;
    state.enemy = step.enemy;
    state.eventSwitches = step.eventSwitches;
    state.predictSwitch = step.predictSwitch;
    state.allyCondition = step.allyCondition;
    state.enemyCondition = step.enemyCondition;
    state.levelUpWanted = step.levelUpWanted;
    state.booksHeld = step.booksHeld;
    state.growthRates = step.growthRates;
}

bool plan_step_acts(const PlanStep& step) {
    const EventSwitches& on = step.eventSwitches;
    return on[kSwitchBattle] == 1 || on[kSwitchLevelUp] == 1 || on[kSwitchReMove] == 1;
}

#pragma once

#include <array>
#include <cstdint>

#include "data/app_state.h"

constexpr int kMaxPlanSteps = 16;

// One action of a turn: the members of the state that describe a battle, a level-up or a
// re-move, with what a search wants of it.
struct PlanStep {
    CombatantState ally;
    CombatantState enemy;
    EventSwitches eventSwitches;
    std::int32_t predictSwitch;
    BattleResultCondition allyCondition;
    BattleResultCondition enemyCondition;
    LevelUpWanted levelUpWanted;
    BookFlags booksHeld;
    GrowthRates growthRates;
};

// Several actions in a row, each spending values from where the one before stopped.
struct TurnPlan {
    std::int32_t stepCount;
    std::array<PlanStep, kMaxPlanSteps> steps;
};

PlanStep plan_step_of(const AppState& state);
void load_plan_step(AppState& state, const PlanStep& step);

// A step does something only with 戦闘, レベルアップ or 再行動 on; 移動 alone uses no value.
bool plan_step_acts(const PlanStep& step);

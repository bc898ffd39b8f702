#include "view/plan_steps.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "data/names.h"

namespace {

constexpr char kNoEventChosen[] = "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください";

std::string condition_words(const BattleResultCondition& condition, const char* side) {
    static const char* const kForms[] = {"HP保",     "HP:%d↑", "HP:%d↓", "HP:%d%%↑",
                                         "HP:%d%%↓", "被:%d↑", "被:%d↓"};
    if (condition.unspecified != 0 || condition.type < 0 || condition.type > kResultHitsAtMost) {
        return "";
    }
    char words[64];
    std::snprintf(words, sizeof words, kForms[condition.type], condition.n);
    return std::string(" ") + side + words;
}

}  // namespace

bool plan_button_needs_step(PlanButton button) {
    return button != PlanButton::kAdd && button != PlanButton::kClear;
}

PlanEdit press_plan_button(WindowState& state, PlanButton button, int selected) {
    TurnPlan& plan = state.session.plan;
    const int count = std::clamp(plan.stepCount, 0, kMaxPlanSteps);
    const bool onStep = selected >= 0 && selected < count;
    PlanEdit edit{false, onStep ? selected : -1};
    switch (button) {
        case PlanButton::kAdd:
            if (!action_acts(state.session.action)) {
                edit.refusal = kNoEventChosen;
            } else if (count >= kMaxPlanSteps) {
                edit.refusal = "手順は16個までです";
            } else {
                plan.steps[count] = state.session.action;
                plan.stepCount = count + 1;
                edit = {true, count};
            }
            break;
        case PlanButton::kReplace:
            if (!action_acts(state.session.action)) {
                edit.refusal = kNoEventChosen;
            } else if (onStep) {
                plan.steps[selected] = state.session.action;
                edit.changed = true;
            }
            break;
        case PlanButton::kRecall:
            if (onStep) {
                state.session.action = plan.steps[selected];
                edit.changed = true;
            }
            break;
        case PlanButton::kDelete:
            if (onStep) {
                std::move(plan.steps.begin() + selected + 1, plan.steps.begin() + count,
                          plan.steps.begin() + selected);
                plan.stepCount = count - 1;
                edit = {true, std::min(selected, count - 2)};
            }
            break;
        case PlanButton::kUp:
        case PlanButton::kDown: {
            const int other = selected + (button == PlanButton::kUp ? -1 : 1);
            if (onStep && other >= 0 && other < count) {
                std::swap(plan.steps[selected], plan.steps[other]);
                edit = {true, other};
            }
            break;
        }
        case PlanButton::kClear:
            edit = {count > 0, -1};
            plan.stepCount = 0;
            break;
    }
    if (edit.changed) {
        rerun_both_lanes(state);
    }
    return edit;
}

std::string plan_step_line(const Action& step, int number) {
    const EventSwitches& on = step.eventSwitches;
    std::string line = std::to_string(number);
    if (on[kSwitchBattle] == 1) {
        line.append(" 戦闘 ").append(step.ally.name).append("→").append(step.enemy.name);
        line.append(condition_words(step.allyCondition, "味方"));
        line.append(condition_words(step.enemyCondition, "敵"));
        line.append(step.predictSwitch == 1 ? " 予測消費" : "");
    }
    if (on[kSwitchLevelUp] == 1) {
        line.append(" レベルアップ ");
        for (int k = 0; k < kStatCount; ++k) {
            line.append(step.levelUpWanted[k] >= 1 ? kStatNames[k] : "");
        }
    }
    if (on[kSwitchReMove] == 1) {
        line.append(" 再行動");
    }
    return line;
}

#include "view/dialog_forms.h"

#include <algorithm>
#include <cstring>

#include "view/number_boxes.h"

namespace {

void copy_name(char (&to)[kUnitNameCapacity], const char* from) {
    std::strncpy(to, from, kUnitNameCapacity - 1);
    to[kUnitNameCapacity - 1] = '\0';
}

void read_figures(CombatantState& unit, const std::array<std::string, kFigureBoxCount>& texts) {
    for (int i = 0; i < kFigureBoxCount; ++i) {
        unit.*kFigureBoxes[i].field =
            read_number(texts[static_cast<std::size_t>(i)], NumberRule::kFigure).value;
    }
}

}  // namespace

const FigureBox kFigureBoxes[kFigureBoxCount] = {
    {&CombatantState::level, 1, 20},     {&CombatantState::technique, 0, 40},
    {&CombatantState::luck, 0, 30},      {&CombatantState::hitRate, 0, 100},
    {&CombatantState::critRate, 0, 100}, {&CombatantState::attackSpeed, 0, 40},
    {&CombatantState::attack, 0, 80},    {&CombatantState::defense, 0, 40},
    {&CombatantState::hp, 1, 80},        {&CombatantState::maxHp, 1, 80},
};

bool ally_box_follows_unit(int skill) {
    return skill <= kSkillContinue || skill == kSkillCharge;
}

void apply_status_form(WindowState& state, const StatusForm& form) {
    Action& action = state.session.action;
    const CombatantState allyBefore = action.ally;
    const Tables& tables = *state.tables;
    // With nothing chosen no row is looked up: an empty name may be a row's too.
    const int allyRow =
        form.allySelection >= 0 ? find_ally_by_name(tables, form.allyName.c_str()) : -1;
    if (allyRow >= 0) {
        copy_name(action.ally.name, tables.allyUnits[allyRow].name);
        action.ally.followUpCritFactor = tables.allyUnits[allyRow].followUpCritFactor;
    }
    for (int i = 0; i < kAllySkillBoxes; ++i) {
        action.ally.skills[i] = form.allySkills[i] ? 1 : 0;
    }
    read_figures(action.ally, form.allyFigures);

    const int enemyRow = form.enemySelection;
    if (enemyRow >= 0 && enemyRow < tables.enemyUnitCount) {
        copy_name(action.enemy.name, tables.enemyUnits[enemyRow].name);
        action.enemy.followUpCritFactor = tables.enemyUnits[enemyRow].followUpCritFactor;
    }
    for (int i = 0; i < kEnemySkillBoxes; ++i) {
        action.enemy.skills[i] = form.enemySkills[i] ? 1 : 0;
    }
    read_figures(action.enemy, form.enemyFigures);

    // The growth file's rates, without the books: the level-up dialog applies those again.
    if (allyRow >= 0) {
        action.growthRates = tables.growthTable[allyRow];
    }
    // An OK that left the ally as it was writes nothing: the roster may hold newer figures,
    // kept by a 実行 since this session's were.
    if (!same_for_roster(allyBefore, action.ally)) {
        confirm_in_roster(state.roster, action.ally);
    }
    rerun_both_lanes(state);
}

void apply_search_conditions(WindowState& state, const SearchConditionsForm& form) {
    Action& action = state.session.action;
    for (std::size_t i = 0; i < form.eventBoxes.size(); ++i) {
        action.eventSwitches[i] = form.eventBoxes[i] ? 1 : 0;
    }
    // A check mark left in the disabled box stores nothing.
    action.predictSwitch = form.predictBox && action.eventSwitches[kSwitchBattle] != 0 ? 1 : 0;
    rerun_both_lanes(state);
}

void apply_battle_result_form(WindowState& state, const BattleResultForm& form) {
    Action& action = state.session.action;
    for (const auto& [condition, type] : {std::pair{&action.allyCondition, form.allyType},
                                          std::pair{&action.enemyCondition, form.enemyType}}) {
        if (type >= 0) {
            condition->type = type;
        }
    }
    action.allyCondition.n = read_number(form.allyN, NumberRule::kFigure).value;
    action.enemyCondition.n = read_number(form.enemyN, NumberRule::kFigure).value;
    action.allyCondition.unspecified = form.allyUnspecified ? 1 : 0;
    action.enemyCondition.unspecified = form.enemyUnspecified ? 1 : 0;
}

StatRates ally_file_rates(const WindowState& state) {
    const int row = find_ally_by_name(*state.tables, state.session.action.ally.name);
    StatRates rates{};
    if (row >= 0) {
        std::copy_n(state.tables->growthTable[row].begin(), kStatCount, rates.begin());
    }
    return rates;
}

StatRates ally_book_rates(const WindowState& state) {
    const int row = find_ally_by_name(*state.tables, state.session.action.ally.name);
    StatRates rates{};
    compute_growth_rates(row >= 0 ? state.tables->growthTable[row] : GrowthRecord{},
                         state.session.action.booksHeld, rates);
    return rates;
}

void apply_level_up_form(WindowState& state, const LevelUpWanted& wanted,
                         const StatRates& preview) {
    Action& action = state.session.action;
    for (int k = 0; k < kStatCount; ++k) {
        if (wanted[k] >= 0) {
            action.levelUpWanted[k] = wanted[k];
        }
    }
    std::copy(preview.begin(), preview.end(), action.growthRates.begin());
    rerun_both_lanes(state);
}

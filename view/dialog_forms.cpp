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
        unit.*kFigureBoxes[i].field = read_number_box(texts[static_cast<std::size_t>(i)]);
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
    // With nothing chosen no row is looked up: an empty name may be a row's too.
    const int allyRow =
        form.allySelection >= 0 ? find_ally_by_name(*state.tables, form.allyName.c_str()) : -1;
    if (allyRow >= 0) {
        copy_name(state.session.action.ally.name, state.tables->allyUnits[allyRow].name);
        state.session.action.ally.followUpCritFactor =
            state.tables->allyUnits[allyRow].followUpCritFactor;
    }
    for (int i = 0; i < kAllySkillBoxes; ++i) {
        state.session.action.ally.skills[i] = form.allySkills[i] ? 1 : 0;
    }
    read_figures(state.session.action.ally, form.allyFigures);

    const int enemyRow = form.enemySelection;
    if (enemyRow >= 0 && enemyRow < state.tables->enemyUnitCount) {
        copy_name(state.session.action.enemy.name, state.tables->enemyUnits[enemyRow].name);
        state.session.action.enemy.followUpCritFactor =
            state.tables->enemyUnits[enemyRow].followUpCritFactor;
    }
    for (int i = 0; i < kEnemySkillBoxes; ++i) {
        state.session.action.enemy.skills[i] = form.enemySkills[i] ? 1 : 0;
    }
    read_figures(state.session.action.enemy, form.enemyFigures);

    // The growth file's rates, without the books: the level-up dialog applies those again.
    if (allyRow >= 0) {
        state.session.action.growthRates = state.tables->growthTable[allyRow];
    }
    rerun_both_lanes(state);
}

void apply_search_conditions(WindowState& state, const SearchConditionsForm& form) {
    for (std::size_t i = 0; i < form.eventBoxes.size(); ++i) {
        state.session.action.eventSwitches[i] = form.eventBoxes[i] ? 1 : 0;
    }
    // A check mark left in the disabled box stores nothing.
    state.session.action.predictSwitch =
        form.predictBox && state.session.action.eventSwitches[kSwitchBattle] != 0 ? 1 : 0;
    rerun_both_lanes(state);
}

void apply_battle_result_form(WindowState& state, const BattleResultForm& form) {
    for (const auto& [condition, type] :
         {std::pair{&state.session.action.allyCondition, form.allyType},
          std::pair{&state.session.action.enemyCondition, form.enemyType}}) {
        if (type >= 0) {
            condition->type = type;
        }
    }
    state.session.action.allyCondition.n = read_number_box(form.allyN);
    state.session.action.enemyCondition.n = read_number_box(form.enemyN);
    state.session.action.allyCondition.unspecified = form.allyUnspecified ? 1 : 0;
    state.session.action.enemyCondition.unspecified = form.enemyUnspecified ? 1 : 0;
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
    for (int k = 0; k < kStatCount; ++k) {
        if (wanted[k] >= 0) {
            state.session.action.levelUpWanted[k] = wanted[k];
        }
    }
    std::copy(preview.begin(), preview.end(), state.session.action.growthRates.begin());
    rerun_both_lanes(state);
}

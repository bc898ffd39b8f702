#include "ui/dialog_forms.h"

#include <algorithm>
#include <cstring>

#include "data/text_reader.h"

namespace {

constexpr int kFigureChars = 3;

// Copies at most the first three characters of a Shift-JIS text, a double-byte one whole.
void first_characters(const char* text, char (&out)[kFigureTextCapacity]) {
    int length = 0;
    for (int chars = 0; chars < kFigureChars && text[length] != '\0'; ++chars) {
        const bool doubleByte = is_shift_jis_lead_byte(static_cast<unsigned char>(text[length]));
        length += doubleByte && text[length + 1] != '\0' ? 2 : 1;
    }
    std::memcpy(out, text, static_cast<std::size_t>(length));
    out[length] = '\0';
}

void copy_name(char (&to)[kUnitNameCapacity], const char* from) {
    std::strncpy(to, from, kUnitNameCapacity - 1);
    to[kUnitNameCapacity - 1] = '\0';
}

void read_figures(CombatantState& unit, const FigureText (&texts)[kFigureBoxCount]) {
    for (int i = 0; i < kFigureBoxCount; ++i) {
        unit.*kFigureBoxes[i].field = read_figure(texts[i]);
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

std::int32_t read_figure(const char* text) {
    char kept[kFigureTextCapacity];
    first_characters(text, kept);
    return text_to_long(kept);
}

int figure_list_position(const FigureBox& box, std::int32_t value) {
    return value < box.first || value > box.last ? -1 : value - box.first;
}

bool ally_box_follows_unit(int skill) {
    return skill <= kSkillContinue || skill == kSkillCharge;
}

void apply_status_form(AppState& state, const StatusForm& form) {
    const int allyRow = find_ally_by_name(state, form.allyName);
    if (allyRow >= 0) {
        copy_name(state.ally.name, state.allyUnits[allyRow].name);
        state.ally.followUpCritFactor = state.allyUnits[allyRow].followUpCritFactor;
    }
    for (int i = 0; i < kAllySkillBoxes; ++i) {
        state.ally.skills[i] = form.allySkills[i] ? 1 : 0;
    }
    read_figures(state.ally, form.allyFigures);
    if (form.allySelection >= 0) {
        state.ally.listIndex = form.allySelection;
    }

    const int enemyRow = form.enemySelection;
    if (enemyRow >= 0 && enemyRow < state.enemyUnitCount) {
        copy_name(state.enemy.name, state.enemyUnits[enemyRow].name);
        state.enemy.followUpCritFactor = state.enemyUnits[enemyRow].followUpCritFactor;
        state.enemy.listIndex = enemyRow;
    }
    for (int i = 0; i < kEnemySkillBoxes; ++i) {
        state.enemy.skills[i] = form.enemySkills[i] ? 1 : 0;
    }
    read_figures(state.enemy, form.enemyFigures);

    // The growth file's rates, without the books: the level-up dialog applies those again.
    const int growthRow = find_ally_by_name(state, state.ally.name);
    state.growthRates = growthRow >= 0 ? state.growthTable[growthRow] : GrowthRates{};
    rerun_both_lanes(state);
}

void apply_search_conditions(AppState& state, const std::array<bool, 4>& eventBoxes,
                             bool predictBox) {
    for (std::size_t i = 0; i < eventBoxes.size(); ++i) {
        state.eventSwitches[i] = eventBoxes[i] ? 1 : 0;
    }
    // A check mark left in the disabled box stores nothing.
    state.predictSwitch = predictBox && state.eventSwitches[kSwitchBattle] != 0 ? 1 : 0;
    rerun_both_lanes(state);
}

void apply_battle_result_form(AppState& state, const BattleResultForm& form) {
    state.allyCondition.type = form.allyType;
    state.enemyCondition.type = form.enemyType;
    state.allyCondition.n = read_figure(form.allyN);
    state.enemyCondition.n = read_figure(form.enemyN);
    state.allyCondition.unspecified = form.allyUnspecified ? 1 : 0;
    state.enemyCondition.unspecified = form.enemyUnspecified ? 1 : 0;
}

StatRates ally_file_rates(const AppState& state) {
    const int row = find_ally_by_name(state, state.ally.name);
    StatRates rates{};
    if (row >= 0) {
        std::copy_n(state.growthTable[row].begin(), kStatCount, rates.begin());
    }
    return rates;
}

StatRates ally_book_rates(const AppState& state) {
    const int row = find_ally_by_name(state, state.ally.name);
    StatRates rates{};
    compute_growth_rates(row >= 0 ? state.growthTable[row] : GrowthRecord{}, state.booksHeld,
                         rates);
    return rates;
}

void apply_level_up_form(AppState& state, const LevelUpWanted& wanted, const StatRates& preview) {
    state.levelUpWanted = wanted;
    std::copy(preview.begin(), preview.end(), state.growthRates.begin());
    rerun_both_lanes(state);
}

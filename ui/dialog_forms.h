#pragma once

#include <array>
#include <cstdint>

#include "state/app_state.h"

// What the four dialogs do to the state, as plain functions over what their controls hold.
// The Win32 side reads the controls into these forms and shows what these functions give.

// A figure box shows at most three characters that count: "12a" is 12, "abc" 0, "-5" -5.
constexpr int kFigureTextCapacity = 8;
using FigureText = char[kFigureTextCapacity];
std::int32_t read_figure(const char* text);

// The ten figure boxes of a side, in box order (1021 to 1030 for the ally, 1121 to 1130 for
// the enemy): the field and the range of the box's list.
struct FigureBox {
    std::int32_t CombatantState::*field;
    std::int32_t first;
    std::int32_t last;
};
constexpr int kFigureBoxCount = 10;
extern const FigureBox kFigureBoxes[kFigureBoxCount];

// The list position of a value, or -1 when the list has no entry for it.
int figure_list_position(const FigureBox& box, std::int32_t value);

constexpr int kAllySkillBoxes = 14;
constexpr int kEnemySkillBoxes = 16;
// The ally boxes a change of unit sets from the unit's row: 怒り to 連続, and 突撃.
bool ally_box_follows_unit(int skill);

struct StatusForm {
    char allyName[256];  // the name list 1000 shows (Shift-JIS)
    int allySelection;   // list positions, -1 when nothing is selected
    int enemySelection;
    std::array<bool, kAllySkillBoxes> allySkills;
    std::array<bool, kEnemySkillBoxes> enemySkills;
    FigureText allyFigures[kFigureBoxCount];
    FigureText enemyFigures[kFigureBoxCount];
};

// The status dialog's OK: both units, the ally's growth row, both lanes re-run. An ally name
// that matches no unit (an empty unit table) leaves the ally unset.
void apply_status_form(AppState& state, const StatusForm& form);

// The search-condition dialog's OK: the switches, then both lanes re-run once an ally is set.
void apply_search_conditions(AppState& state, const std::array<bool, 4>& eventBoxes,
                             bool predictBox);

struct BattleResultForm {
    int allyType;  // list positions, -1 when nothing is selected
    int enemyType;
    FigureText allyN;
    FigureText enemyN;
    bool allyUnspecified;
    bool enemyUnspecified;
};
void apply_battle_result_form(AppState& state, const BattleResultForm& form);

// The ally's growth rates from the growth file (no row: all 0), and with the books held.
StatRates ally_file_rates(const AppState& state);
StatRates ally_book_rates(const AppState& state);

// The level-up dialog's OK: the wanted gains and the previewed rates, then both lanes re-run with
// those rates.
void apply_level_up_form(AppState& state, const LevelUpWanted& wanted, const StatRates& preview);

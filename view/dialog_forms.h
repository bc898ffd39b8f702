#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "view/dialog_view.h"
#include "view/locate_form.h"
#include "view/roster.h"
#include "view/window_state.h"

// What the dialogs show and what their OKs do to the state, as plain functions. Each
// dialog's view is what its controls show at its opening; its form is what its OK reads from the
// same controls. The Win32 side shows the view, reads the controls back and hands the form on.

// The ten figure boxes of a side, in box order (1021 to 1030 for the ally, 1121 to 1130 for
// the enemy): the field and the range of the box's list.
struct FigureBox {
    std::int32_t CombatantState::*field;
    std::int32_t first;
    std::int32_t last;
};
constexpr int kFigureBoxCount = 10;
extern const FigureBox kFigureBoxes[kFigureBoxCount];

constexpr int kAllySkillBoxes = 14;
constexpr int kEnemySkillBoxes = 16;
// The ally boxes a change of unit sets from the unit's row: 怒り to 連続, and 突撃.
bool ally_box_follows_unit(int skill);

// The status dialog. Each unit list selects the entry that reads the unit's name; a unit not in
// the list selects nothing and keeps its name and factor; with no unit chosen yet, the list's
// first entry is selected. Every figure box shows its figure, in its list or not.
DialogView status_view(const WindowState& state);

// The status dialog as it opens: status_view, and the factor label of each side with a unit
// chosen.
DialogView status_opening(const WindowState& state);

// Then, for a side with no unit chosen yet, what its list shows, read back: its first entry in
// the list's own order (the ally list sorts its entries). That unit gives the factor label and
// the boxes that follow the unit, from the unit file, not the roster, since OK stores the entry
// shown.
DialogView status_first_units(const WindowState& state, const DialogView& listsShown);

// What a unit list shows, read back, gives its side: the factor label (the chosen row's, or the
// unit's own with nothing chosen) and, once the player has changed the unit, the boxes that
// follow the unit set from the row; 反撃 stays the player's. An ally the roster keeps brings
// back all its figures and skill boxes instead.
DialogView status_unit_shown(const WindowState& state, const Roster& roster,
                             const ControlView& list, bool changed);

struct StatusForm {
    std::string allyName;  // the name list 1000 shows (Shift-JIS), empty with nothing chosen
    int allySelection;     // list positions, -1 when nothing is selected
    int enemySelection;
    std::array<bool, kAllySkillBoxes> allySkills;
    std::array<bool, kEnemySkillBoxes> enemySkills;
    std::array<std::string, kFigureBoxCount> allyFigures;
    std::array<std::string, kFigureBoxCount> enemyFigures;
};
StatusForm status_form(const DialogView& shown);

// The status dialog's OK: both units, the ally's growth row, both lanes re-run. A list with
// nothing chosen keeps that side's name and factor, and without an ally row the rates stay.
// An ally the OK changed goes into the roster.
void apply_status_form(WindowState& state, const StatusForm& form);

DialogView search_conditions_view(const WindowState& state);

struct SearchConditionsForm {
    std::array<bool, 4> eventBoxes;
    bool predictBox;
};
SearchConditionsForm search_conditions_form(const DialogView& shown);

// The search-condition dialog's OK: the switches, then both lanes re-run once an ally is set.
void apply_search_conditions(WindowState& state, const SearchConditionsForm& form);

DialogView battle_result_view(const WindowState& state);

struct BattleResultForm {
    int allyType;  // list positions, -1 when nothing is selected
    int enemyType;
    std::string allyN;
    std::string enemyN;
    bool allyUnspecified;
    bool enemyUnspecified;
};
BattleResultForm battle_result_form(const DialogView& shown);

// A list with nothing selected keeps its type.
void apply_battle_result_form(WindowState& state, const BattleResultForm& form);

// The ally's growth rates from the growth file (no row: all 0), and with the books held.
StatRates ally_file_rates(const WindowState& state);
StatRates ally_book_rates(const WindowState& state);

// The level-up dialog: the rates of the growth file beside the books, which a click on a book
// turns into the book-adjusted ones.
DialogView level_up_view(const WindowState& state);
DialogView level_up_rate_labels(const StatRates& rates);

// The wanted gains; a list with nothing selected gives -1.
LevelUpWanted level_up_form(const DialogView& shown);

// The level-up dialog's OK: the wanted gains (a -1 keeps the stored one) and the previewed rates,
// then both lanes re-run with those rates.
void apply_level_up_form(WindowState& state, const LevelUpWanted& wanted, const StatRates& preview);

// 起きたこと: the HP boxes empty, no level-up seen, 再行動 見ていない, all sequences unchecked. The
// controls of an event the action does not have are grey (a re-move at a rate of 0 uses no
// value), and so are the grown stats until レベルアップを見た is checked.
DialogView happened_view(const WindowState& state);

// The controls that follow the kept places: すべての乱数列から探す grey and 残した位置を捨てる
// enabled while there are any, and the line that says how many 探す tries.
DialogView happened_kept_view(const WindowState& state);

// What its boxes say was seen, and where to look.
LocateForm happened_form(const DialogView& shown);

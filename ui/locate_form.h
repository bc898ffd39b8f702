#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/locate.h"
#include "state/app_state.h"

// The 起きたこと dialog without its Win32 side: what its boxes say was seen, 探す, and the lines
// of its list. The dialog reads its controls into a LocateForm and shows the answer.

enum class HpBox { kEmpty, kNumber, kRefused };
struct HpBoxReading {
    HpBox box;
    std::int32_t hp;
};

// An HP box's text (Shift-JIS): empty is not seen; a whole number from 0 to 9999, its digits
// half- or full-width (０ to ９, as typed with the IME on), is the HP seen; anything else is
// refused.
HpBoxReading read_hp_box(const char* text);

constexpr std::size_t kMostLocatedLines = 200;

// The list's lines (Shift-JIS) for found, the nearest of total positions found: line i is
// found[i], "+3  #16: 45 → 62", at most 200 of them; when more were found, a last line says
// how many more, "ほか 37 件".
std::vector<std::string> located_lines(std::span<const LocatedPosition> found, std::size_t total);

// The selections of the 再行動 combo.
enum ReMoveChoice : int { kReMoveNotSeen = 0, kReMoveHappened = 1, kReMoveDidNot = 2 };

struct LocateForm {
    std::string allyHp;  // the HP boxes' texts, Shift-JIS
    std::string enemyHp;
    bool levelUpSeen;  // レベルアップを見た
    std::array<bool, kStatCount> grown;
    int reMove;  // the combo's selection, -1 when none
};

enum class LocateProblem { kNone, kNothingSeen, kAllyHpBox, kEnemyHpBox };

struct LocateAnswer {
    LocateProblem problem;
    std::size_t total;  // the positions found
    // The nearest of them: found[i] is line i; when there are more, a last line says how many.
    std::vector<LocatedPosition> found;
    std::vector<std::string> lines;
};

// 探す: what the form says was seen of lane 0's action, looked for as the command line's locate
// looks, on the sequences of the pattern box's marks or on lane 0's. A control for an event the
// action does not have is grey, and what it holds is not read. A refused HP box, or nothing
// seen, is the answer's problem, and nothing is searched.
LocateAnswer locate_from_form(const AppState& state, const LocateForm& form);

// What the dialog says of a problem (Shift-JIS): the balloon on a refused HP box, or the message
// for nothing seen.
const char* locate_problem_text(LocateProblem problem);

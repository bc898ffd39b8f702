#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/locate.h"
#include "state/advance.h"
#include "view/window_state.h"

// The 起きたこと dialog without its Win32 side: what its boxes say was seen, 探す, the lines of
// its list and its OK. The dialog reads its controls into a LocateForm and shows the answer.

// Whether 起きたこと can open: 実行 can act, since its OK does 実行, and no plan is in use, since
// what it finds is where the current action ran.
bool happened_available(const WindowState& state);

constexpr std::size_t kMostLocatedLines = 200;

// The list's lines (Shift-JIS) for found, the nearest positions found: line i is found[i],
// "+3  #16: 45 → 62", at most 200 of them.
std::vector<std::string> located_lines(std::span<const LocatedPosition> found);

// The selections of the 再行動 combo.
enum ReMoveChoice : int { kReMoveNotSeen = 0, kReMoveHappened = 1, kReMoveDidNot = 2 };

struct LocateForm {
    std::string allyHp;  // the HP boxes' texts, Shift-JIS
    std::string enemyHp;
    bool levelUpSeen;  // レベルアップを見た
    std::array<bool, kStatCount> grown;
    int reMove;         // the combo's selection, -1 when none
    bool allSequences;  // すべての乱数列から探す, which counts only while no places are kept
};

enum class LocateProblem { kNone, kNothingSeen, kAllyHpBox, kEnemyHpBox };

struct LocateAnswer {
    LocateProblem problem;
    Action action;  // what was searched: the lines hold only while the state's action stays it
    // Every position found, nearest first; the list shows the first 200, found[i] as line i.
    std::vector<LocatedPosition> found;
    std::vector<std::string> lines;
    // Where they lead (sequence, next), each once, ascending, those past 4973 left out: what
    // 位置を残す keeps.
    std::vector<LaneCursor> leadsTo;
};

// 探す: what the form says was seen of lane 0's action, looked for as the command line's locate
// looks: at the session's kept places when it has any; else on every sequence when the form
// says so, on the sequences of the pattern box's marks, or on lane 0's. A control for an event
// the action does not have is grey, and what it holds is not read. A refused HP box, or nothing
// seen, is the answer's problem, and nothing is searched.
LocateAnswer locate_from_form(const WindowState& state, const LocateForm& form);

// Whether 位置を残す can keep what 探す found: two places or more to tell apart.
bool can_keep_located(const LocateAnswer& answer);

// What the window says of the session's kept places (Shift-JIS), empty without any: the main
// window's line, "残した位置：12個（起きたことで絞れます）", and the dialog's, "残した位置 12
// 個から 探します". Each place counts once.
std::string kept_line(const Session& session);
std::string kept_search_words(const Session& session);

// The lines under the list (Shift-JIS): "見つかった位置：21個", and on a line of its own how many
// the list does not show, "見つかった位置：1903個\n（一覧のほか 1703 個）"; or
// "見つかった位置：なし"; empty when nothing was searched.
std::string located_count_words(const LocateAnswer& answer);

// What the dialog says of a problem (Shift-JIS): the balloon on a refused HP box, or the message
// for nothing seen.
const char* locate_problem_text(LocateProblem problem);

// Why the dialog's OK did nothing.
enum class LocatedRefusal {
    kNone,
    kNoLine,   // no position chosen
    kChanged,  // the action changed, or a plan came into use, since 探す
    kAdvance,  // 実行 refused it: the report says why
    kTooMany,  // 位置を残す: more places than a session keeps
};

struct LocatedAdvance {
    LocatedRefusal refusal;
    AdvanceReport report;  // 実行's, when it was tried
    std::size_t places;    // on kTooMany: how many places 位置を残す would have kept
};

// The dialog's OK on line `line` of the answer's list (-1 when none is chosen): lane 0 is put on
// that position and 実行 runs there, so that lane 0 goes to where the game stands now and the
// units take what the action gave there, with a record entry. The player has chosen: the kept
// places go. Any refusal changes nothing.
LocatedAdvance advance_from_located(WindowState& state, const LocateAnswer& answer, int line);

// 位置を残す: OK on the first line that leads to at most 4973, then the places the answer leads
// to are kept, in place of any kept before. More than 65,536 of them are refused, changing
// nothing.
LocatedAdvance keep_located(WindowState& state, const LocateAnswer& answer);

// Why the OK did nothing, as the dialog says it (Shift-JIS); empty when it did not refuse.
std::string located_refusal_words(const LocatedAdvance& advance);

#pragma once

#include <string_view>

#include "view/resource.h"
#include "view/window_state.h"

// The 条件 items that need a unit: grayed until a status is confirmed.
inline constexpr int kItemsNeedingAUnit[] = {IDM_SEARCH_CONDITIONS, IDM_MOVE_ROUTE,
                                             IDM_BATTLE_RESULT, IDM_LEVEL_UP, IDM_PLAN};

// What the main window's commands, timer and clicks do to the state. Each returns whether the
// window must be redrawn; the Win32 side reads the boxes' texts and does the redraw.

// The lane buttons 4000 to 4007: one position forward or back, the next or previous seed.
bool move_lane(WindowState& state, int commandId);

// Puts a lane at a position of its sequence and runs it; false outside the lane positions.
bool put_lane_at(WindowState& state, int lane, std::int32_t position);

// "移動": the position box's whole text (Shift-JIS) as a lane position; false, moving nothing,
// when it is not a whole number from 1 to 4973.
bool jump_lane(WindowState& state, int lane, std::string_view boxText);

// "検索": searches from lane 0 when a battle, level-up or re-move is switched on, or a plan is
// in use, and an ally is set: the action's search, or the plan's, over the whole range for the
// table of results (the window's line shows the first ten); and what it was made with.
bool search_from_lane_zero(WindowState& state);
// Why 検索 cannot search (Shift-JIS), said under the lanes; nullptr when it can. Without a plan,
// 移動 alone is nothing to search: it uses no value.
const char* search_refusal(const Session& session);

// Whether lane 0's sequence, the status, the conditions, the plan or the marks changed since the
// last search, so that its results no longer hold; a move of lane 0 alone changes nothing.
bool search_results_stale(const WindowState& state);

// The pattern box's text (Shift-JIS) after an edit: only its first 499 bytes count, and whether
// it holds more is kept. Besides the candidates it finds the near sequences of marks that match
// none, or the next-mark advice.
bool refresh_seed_candidates(WindowState& state, const char* patternText);

// 残した位置を捨てる: the kept places go; false when there were none.
bool discard_kept(WindowState& state);

// Whether the pattern box's text (Shift-JIS) reads as the state's marks, cut as the state says:
// when not, the box is to be set to the marks (元に戻す, another session).
bool pattern_box_shows(const WindowState& state, const char* patternText);

// A button release at (x, y) on a listed candidate puts the lane just behind the typed marks;
// on a listed near sequence, at that sequence's lane position.
bool click_candidate(WindowState& state, int lane, int x, int y);

// The commands IDM_LANE0_ENTRY + n - 1 (Ctrl+n) and IDM_LANE1_ENTRY + n - 1 (Ctrl+Shift+n), n
// from 1 to 9: the lane on the n-th entry of the candidates' line, the candidates or, when none
// match, the near sequences, as a click on it does. False past the line's last entry, and for
// any other command.
bool put_lane_on_entry(WindowState& state, int commandId);

enum class MainDialog { kNone, kStatus, kSearchConditions, kBattleResult, kLevelUp, kHappened };

// The dialog a menu command opens, if any.
MainDialog dialog_for_menu(const WindowState& state, int commandId);

#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "state/advance.h"

// The 編集 menu's commands that follow the game and go back over what was done: 実行, 元に戻す and
// やり直し, and the line after a level-up.

// Runs change as one step of 元に戻す: what the session held before it is kept, when change
// changed it; the pattern box is read first, so that the step holds what it shows. A command
// that changes the session wraps itself in this; a step taken inside another is part of it.
void take_undo_step(const std::function<void()>& change);

// 新規 and 開く: undo never mixes two sessions.
void forget_undo_steps();

// 実行: lane 0 past what its action used and the units on with its outcome, the acting ally's
// figures confirmed in the roster; a refusal says why and changes nothing.
void advance_past_lane_zero(HWND window);

// What follows a 実行 that went through, wherever it was made (the 起きたこと dialog's OK too):
// the line after a level-up, and the acting ally, as it was before, confirmed as it is now.
void follow_advance(const CombatantState& acting, const AdvanceReport& report);

// 元に戻す and やり直し: the session of the step back, with its marks in the pattern box.
void undo_step(HWND window);
void redo_step(HWND window);

// 実行 (its item and its button), 元に戻す and やり直し, each grey while it cannot act.
void show_edit_items(HWND window);

// After a level-up, the figures the player is to check (Shift-JIS), until the next 実行 or a
// dialog's OK; empty for none.
const std::string& check_line();
void clear_check_line();

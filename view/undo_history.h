#pragma once

#include <deque>

#include "view/window_state.h"

// 元に戻す and やり直し: the session as it was before each change, kept whole, so that taking one
// costs a copy and not a write.

// The most steps kept back; the oldest goes first.
constexpr int kUndoDepth = 100;

struct UndoHistory {
    std::deque<Session> undo;  // the latest change last
    std::deque<Session> redo;  // the latest undone last
};

// After a change, with what the session held before it: a step to undo when the change changed
// the session, and then nothing is left to redo. Returns whether it was kept as a step.
bool keep_undo_step(UndoHistory& history, const Session& before, const Session& now);

// 元に戻す and やり直し: the session back or on, and what the window shows of it; false, changing
// nothing, when there is no step.
bool undo_change(UndoHistory& history, WindowState& state);
bool redo_change(UndoHistory& history, WindowState& state);

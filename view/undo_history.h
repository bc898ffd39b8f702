#pragma once

#include <deque>

#include "view/window_state.h"

// 元に戻す and やり直し: what the player did, kept whole before each change, so that taking one
// costs a copy and not a write: the session, and the roster, which a change may write.

// The most steps kept back; the oldest goes first.
constexpr int kUndoDepth = 100;

struct Kept {
    Session session;
    Roster roster;

    bool operator==(const Kept&) const = default;
};

inline Kept kept_of(const WindowState& state) {
    return Kept{state.session, state.roster};
}

struct UndoHistory {
    std::deque<Kept> undo;  // the latest change last
    std::deque<Kept> redo;  // the latest undone last
};

// After a change, with what was kept before it: a step to undo when the change changed the
// session or the roster, and then nothing is left to redo. Returns whether it was kept as a step.
bool keep_undo_step(UndoHistory& history, const Kept& before, const Kept& now);

// 元に戻す and やり直し: the session and the roster back or on, and what the window shows of them;
// false, changing nothing, when there is no step.
bool undo_change(UndoHistory& history, WindowState& state);
bool redo_change(UndoHistory& history, WindowState& state);

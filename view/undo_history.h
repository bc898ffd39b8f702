#pragma once

#include <array>
#include <cstdint>
#include <deque>

#include "state/app_state.h"

// 元に戻す and やり直し: what the session held before each change, kept as the state's own
// members rather than as the file's text, so that taking one costs a copy and not a write.

// What a session file holds: the status and conditions, the lanes' cursors, the plan, the record
// of each 実行 and the pattern box's text.
struct SessionSnapshot {
    Action action;
    std::array<std::int32_t, kLaneCount> seedIndexes;
    std::array<std::int32_t, kLaneCount> positions;
    TurnPlan plan;
    History history;
    MarkTextBuffer marks;
};

SessionSnapshot take_snapshot(const AppState& state);

// Whether the state would be written as the same session file as the snapshot: a unit's place in
// the status dialog's lists and its last battle are no part of it.
bool same_session(const SessionSnapshot& snapshot, const AppState& state);

// Puts the snapshot's session back: its marks read as the pattern box's text, both lanes run.
void restore_snapshot(AppState& state, const SessionSnapshot& snapshot);

// The most steps kept back; the oldest goes first.
constexpr int kUndoDepth = 100;

struct UndoHistory {
    std::deque<SessionSnapshot> undo;  // the latest change last
    std::deque<SessionSnapshot> redo;  // the latest undone last
};

// After a change, with what the session held before it: a step to undo when the change changed
// the session, and then nothing is left to redo. Returns whether it was kept as a step.
bool keep_undo_step(UndoHistory& history, const SessionSnapshot& before, const AppState& state);

// 元に戻す and やり直し: false, changing nothing, when there is no step.
bool undo_change(UndoHistory& history, AppState& state);
bool redo_change(UndoHistory& history, AppState& state);

// Runs change() as one step: kept when it changed what the session holds. Returns whether it was.
template <class Change>
bool change_as_one_step(UndoHistory& history, AppState& state, Change&& change) {
    const SessionSnapshot before = take_snapshot(state);
    change();
    return keep_undo_step(history, before, state);
}

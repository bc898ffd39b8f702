#include "view/undo_history.h"

#include <algorithm>
#include <cstring>

#include "view/main_commands.h"

namespace {

bool same_plan(const TurnPlan& a, const TurnPlan& b) {
    if (a.stepCount != b.stepCount) {
        return false;
    }
    for (int k = 0; k < std::clamp(a.stepCount, 0, kMaxPlanSteps); ++k) {
        if (!same_action(a.steps[k], b.steps[k])) {
            return false;
        }
    }
    return true;
}

// Moves the session from one side to the other: the state becomes the snapshot taken last on
// from, and the state as it was goes on to.
bool step(std::deque<SessionSnapshot>& from, std::deque<SessionSnapshot>& to, AppState& state) {
    if (from.empty()) {
        return false;
    }
    to.push_back(take_snapshot(state));
    restore_snapshot(state, from.back());
    from.pop_back();
    return true;
}

}  // namespace

SessionSnapshot take_snapshot(const AppState& state) {
    SessionSnapshot snapshot;
    snapshot.action = state;
    for (int k = 0; k < kLaneCount; ++k) {
        snapshot.seedIndexes[k] = state.lanes[k].seedIndex;
        snapshot.positions[k] = state.lanes[k].position;
    }
    snapshot.plan = state.plan;
    snapshot.history = state.history;
    std::memcpy(snapshot.marks, state.markText, sizeof snapshot.marks);
    return snapshot;
}

bool same_session(const SessionSnapshot& snapshot, const AppState& state) {
    for (int k = 0; k < kLaneCount; ++k) {
        if (snapshot.seedIndexes[k] != state.lanes[k].seedIndex ||
            snapshot.positions[k] != state.lanes[k].position) {
            return false;
        }
    }
    return same_action(snapshot.action, state) && same_plan(snapshot.plan, state.plan) &&
           std::strncmp(snapshot.marks, state.markText, kMarkTextCapacity) == 0 &&
           same_history(snapshot.history, state.history);
}

void restore_snapshot(AppState& state, const SessionSnapshot& snapshot) {
    static_cast<Action&>(state) = snapshot.action;
    for (int k = 0; k < kLaneCount; ++k) {
        state.lanes[k].seedIndex = snapshot.seedIndexes[k];
        state.lanes[k].position = snapshot.positions[k];
    }
    state.plan = snapshot.plan;
    state.history = snapshot.history;
    MarkTextBuffer marks;
    std::memcpy(marks, snapshot.marks, sizeof marks);
    marks[kMarkTextCapacity - 1] = '\0';
    refresh_seed_candidates(state, marks);
    rerun_both_lanes(state);
}

bool keep_undo_step(UndoHistory& history, const SessionSnapshot& before, const AppState& state) {
    if (same_session(before, state)) {
        return false;
    }
    history.undo.push_back(before);
    if (history.undo.size() > kUndoDepth) {
        history.undo.pop_front();
    }
    history.redo.clear();
    return true;
}

bool undo_change(UndoHistory& history, AppState& state) {
    return step(history.undo, history.redo, state);
}

bool redo_change(UndoHistory& history, AppState& state) {
    return step(history.redo, history.undo, state);
}

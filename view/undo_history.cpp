#include "view/undo_history.h"

namespace {

// Moves the session from one side to the other: the state takes the session kept last on from,
// and the session as it was goes on to.
bool step(std::deque<Session>& from, std::deque<Session>& to, WindowState& state) {
    if (from.empty()) {
        return false;
    }
    to.push_back(std::move(state.session));
    state.session = std::move(from.back());
    from.pop_back();
    // The pattern box shows the session's marks, which are never cut.
    state.markTextCut = false;
    refresh_shown(state);
    return true;
}

}  // namespace

bool keep_undo_step(UndoHistory& history, const Session& before, const Session& now) {
    if (before == now) {
        return false;
    }
    history.undo.push_back(before);
    if (history.undo.size() > kUndoDepth) {
        history.undo.pop_front();
    }
    history.redo.clear();
    return true;
}

bool undo_change(UndoHistory& history, WindowState& state) {
    return step(history.undo, history.redo, state);
}

bool redo_change(UndoHistory& history, WindowState& state) {
    return step(history.redo, history.undo, state);
}

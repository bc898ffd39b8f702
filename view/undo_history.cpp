#include "view/undo_history.h"

namespace {

// Moves what is kept from one side to the other: the state takes what was kept last on from, and
// what it held goes on to.
bool step(std::deque<Kept>& from, std::deque<Kept>& to, WindowState& state) {
    if (from.empty()) {
        return false;
    }
    to.push_back(Kept{std::move(state.session), std::move(state.roster)});
    state.session = std::move(from.back().session);
    state.roster = std::move(from.back().roster);
    from.pop_back();
    // The pattern box shows the session's marks, which are never cut.
    state.markTextCut = false;
    refresh_shown(state);
    return true;
}

}  // namespace

bool keep_undo_step(UndoHistory& history, const Kept& before, const Kept& now) {
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

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "view/roster.h"
#include "view/session.h"
#include "view/undo_history.h"
#include "view/window_state.h"

class Controller;

// What shows the session or keeps what goes with it: told after every change.
class ControllerView {
public:
    virtual ~ControllerView() = default;
    // After every change: the session, what is shown of it, the last search, the line after a
    // level-up and what 元に戻す can do.
    virtual void show(const Controller& controller) = 0;
    // After the roster changed.
    virtual void keep_roster(const Roster& roster) { static_cast<void>(roster); }
};

// The window's portable half in one place: the session with what is shown of it and the last
// search, its undo history, what it is measured against, the roster and the line after a
// level-up. Every change goes through it, and it tells its views.
class Controller {
public:
    explicit Controller(const Tables& tables);
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    const Tables& tables() const { return *state_.tables; }
    const WindowState& state() const { return state_; }
    const Session& session() const { return state_.session; }

    // A view that lives as long as the controller.
    void add_view(ControllerView& view);

    // Runs change over the state as one step of 元に戻す, kept when it changed the session: a
    // dialog is one step however often it stores. A change made while another runs (a tool
    // window's button under an open dialog) is part of that one. Each view is told, also after
    // a change inside another. Returns what change returned.
    bool change(const std::function<bool(WindowState&)>& change);

    // The pattern box's text (Shift-JIS) after an edit: the marks, which are no step of their
    // own.
    void read_marks(const char* text);

    bool can_undo() const { return !undo_.undo.empty(); }
    bool can_redo() const { return !undo_.redo.empty(); }
    bool undo();
    bool redo();

    // Another session: 新規's, or one opened from a file's text. 元に戻す starts afresh, the line
    // after a level-up and the last search go. A refused text raises a ScenarioError and changes
    // nothing.
    void start_new_session();
    void open_session(const std::string& text);

    // The session as it stands becomes what it is measured against; fileOpen: it is a file's.
    void take_as_baseline(bool fileOpen);
    const SessionBaseline& baseline() const { return baseline_; }
    bool changed() const { return session_changed(baseline_, state_.session); }
    bool asks_to_save(Leaving leaving) const {
        return ::asks_to_save(baseline_, state_.session, leaving);
    }

    // 実行 as a step of its own; what follows it (the line after a level-up, the acting ally in
    // the roster) when it went through.
    AdvanceReport advance();
    // What follows a 実行 made inside another change (起きたこと's OK): acting is the ally as it
    // was before.
    void follow_advance(const CombatantState& acting, const AdvanceReport& report);

    // After a level-up, the figures the player is to check (Shift-JIS); empty for none. It stays
    // until the next 実行, a dialog's OK or another session.
    const std::string& check_line() const { return checkLine_; }
    void clear_check_line();

    const Roster& roster() const { return roster_; }
    // The roster as read at the start.
    void take_roster(Roster roster);
    // An ally's figures and skills as the player confirmed them: kept, and the views told when
    // that changed the roster.
    void confirm_ally(const CombatantState& ally);

private:
    void tell_views();
    void another_session();

    WindowState state_;
    UndoHistory undo_;
    int depth_ = 0;  // of changes running
    SessionBaseline baseline_;
    Roster roster_;
    std::string checkLine_;
    std::vector<ControllerView*> views_;
};

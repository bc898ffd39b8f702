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

// The window's portable half in one place: the session with what is shown of it, the roster and
// the last search, its undo history, what it is measured against and the line after a level-up.
// Every change goes through it, and it tells its views.
class Controller {
public:
    explicit Controller(const Tables& tables);
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    const Tables& tables() const { return *state_.tables; }
    const WindowState& state() const { return state_; }
    const Session& session() const { return state_.session; }
    const Roster& roster() const { return state_.roster; }

    // A view that lives as long as the controller.
    void add_view(ControllerView& view);

    // Runs change over the state as one step of 元に戻す, kept when it changed the session or the
    // roster: a dialog is one step however often it stores. A change made while another runs (a
    // tool window's button under an open dialog) is part of that one. Each view is told, also
    // after a change inside another. Returns what change returned.
    bool change(const std::function<bool(WindowState&)>& change);

    // The pattern box's text (Shift-JIS) after an edit. Typing is one step of its own, open
    // until another change, 元に戻す or close_typing (the focus left the box).
    void read_marks(const char* text);
    void close_typing();

    bool can_undo() const { return !undo_.undo.empty(); }
    bool can_redo() const { return !undo_.redo.empty(); }
    bool undo();
    bool redo();

    // Another session: 新規's, or one opened from a file's text. 元に戻す starts afresh, the line
    // after a level-up and the last search go; the roster stays. A refused text raises a
    // ScenarioError and changes nothing.
    void start_new_session();
    void open_session(const std::string& text);

    // The session as it stands becomes what it is measured against; fileOpen: it is a file's.
    void take_as_baseline(bool fileOpen);
    const SessionBaseline& baseline() const { return baseline_; }
    bool changed() const { return session_changed(baseline_, state_.session); }
    bool asks_to_save(Leaving leaving) const {
        return ::asks_to_save(baseline_, state_.session, leaving);
    }

    // 実行 as a step of its own, and the line after a level-up when it went through; what became
    // of the kept places, when they went, is the message.
    AdvanceReport advance();
    // The line after a 実行 made inside another change (起きたこと's OK).
    void follow_advance(const AdvanceReport& report);

    // After a level-up, the figures the player is to check (Shift-JIS); empty for none. It stays
    // until the next 実行, a dialog's OK or another session.
    const std::string& check_line() const { return checkLine_; }
    void clear_check_line();
    // What the window says of the last command under the lanes (Shift-JIS); empty for none. It
    // stays until the next change, 元に戻す, やり直し or another session.
    const std::string& message() const { return message_; }
    // Says words under the lanes, changing nothing else: why a command did nothing.
    void say(std::string words);

    // The roster as read at the start: no step, and nothing to write.
    void take_roster(Roster roster);

private:
    // Each view is told what is shown; those that keep the roster when it is not rosterBefore.
    void tell_views(const Roster& rosterBefore);
    void another_session();

    WindowState state_;
    UndoHistory undo_;
    int depth_ = 0;        // of changes running
    bool typing_ = false;  // the last step is typing in the pattern box, still open
    SessionBaseline baseline_;
    std::string checkLine_;
    std::string message_;
    std::vector<ControllerView*> views_;
};

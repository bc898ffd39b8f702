#include "view/controller.h"

#include <optional>
#include <utility>

#include "view/main_commands.h"

Controller::Controller(const Tables& tables) : state_(fresh_window_state(tables)) {
    baseline_.session = state_.session;
}

void Controller::add_view(ControllerView& view) {
    views_.push_back(&view);
}

void Controller::tell_views(const Roster& rosterBefore) {
    const bool rosterChanged = state_.roster != rosterBefore;
    for (ControllerView* view : views_) {
        if (rosterChanged) {
            view->keep_roster(state_.roster);
        }
        view->show(*this);
    }
}

bool Controller::change(const std::function<bool(WindowState&)>& change) {
    std::optional<Kept> before;
    if (depth_ == 0) {
        close_typing();
        before = kept_of(state_);
        message_.clear();
    }
    bool result = false;
    {
        struct Running {
            int& depth;
            explicit Running(int& d) : depth(++d) {}
            ~Running() { --depth; }
        } running{depth_};
        result = change(state_);
    }
    if (before.has_value()) {
        keep_undo_step(undo_, *before, kept_of(state_));
        tell_views(before->roster);
    } else {
        tell_views(state_.roster);
    }
    return result;
}

void Controller::read_marks(const char* text) {
    const Kept before = kept_of(state_);
    if (!refresh_seed_candidates(state_, text)) {
        return;
    }
    if (!typing_) {
        typing_ = keep_undo_step(undo_, before, kept_of(state_));
    }
    tell_views(state_.roster);
}

void Controller::close_typing() {
    // Typing that came back to where it began is no step.
    if (typing_ && kept_of(state_) == undo_.undo.back()) {
        undo_.undo.pop_back();
        tell_views(state_.roster);
    }
    typing_ = false;
}

bool Controller::undo() {
    close_typing();
    const Roster rosterBefore = state_.roster;
    if (!undo_change(undo_, state_)) {
        return false;
    }
    checkLine_.clear();
    message_.clear();
    tell_views(rosterBefore);
    return true;
}

bool Controller::redo() {
    close_typing();
    const Roster rosterBefore = state_.roster;
    if (!redo_change(undo_, state_)) {
        return false;
    }
    checkLine_.clear();
    message_.clear();
    tell_views(rosterBefore);
    return true;
}

void Controller::another_session() {
    undo_ = UndoHistory{};
    typing_ = false;
    checkLine_.clear();
    message_.clear();
    tell_views(state_.roster);
}

void Controller::start_new_session() {
    ::start_new_session(state_);
    another_session();
}

void Controller::open_session(const std::string& text) {
    ::open_session(state_, text);
    another_session();
}

void Controller::take_as_baseline(bool fileOpen) {
    baseline_ = SessionBaseline{fileOpen, state_.session};
    tell_views(state_.roster);
}

void Controller::say(std::string words) {
    message_ = std::move(words);
    tell_views(state_.roster);
}

AdvanceReport Controller::advance() {
    const bool planTakesKept = state_.session.plan.stepCount > 0 && !state_.session.kept.empty();
    AdvanceReport report{};
    change([&](WindowState& state) {
        report = advance_lane_zero(state);
        return true;
    });
    if (report.refusal == AdvanceRefusal::kNone) {
        message_ = planTakesKept ? "手順があるので残した位置を捨てました"
                   : report.keptTried > 0 && report.keptLeft == 0
                       ? "残した位置のどれとも合いませんでした。残した位置を捨てました"
                       : "";
        follow_advance(report);
    }
    return report;
}

void Controller::follow_advance(const AdvanceReport& report) {
    checkLine_ = report.outcome.levelUp ? figures_to_check_line(report.outcome.grown) : "";
    tell_views(state_.roster);
}

void Controller::clear_check_line() {
    checkLine_.clear();
}

void Controller::take_roster(Roster roster) {
    state_.roster = std::move(roster);
}

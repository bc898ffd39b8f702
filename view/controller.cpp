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

void Controller::tell_views() {
    for (ControllerView* view : views_) {
        view->show(*this);
    }
}

bool Controller::change(const std::function<bool(WindowState&)>& change) {
    std::optional<Session> before;
    if (depth_ == 0) {
        before = state_.session;
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
        keep_undo_step(undo_, *before, state_.session);
    }
    tell_views();
    return result;
}

void Controller::read_marks(const char* text) {
    if (refresh_seed_candidates(state_, text)) {
        tell_views();
    }
}

bool Controller::undo() {
    if (!undo_change(undo_, state_)) {
        return false;
    }
    checkLine_.clear();
    tell_views();
    return true;
}

bool Controller::redo() {
    if (!redo_change(undo_, state_)) {
        return false;
    }
    checkLine_.clear();
    tell_views();
    return true;
}

void Controller::another_session() {
    undo_ = UndoHistory{};
    checkLine_.clear();
    tell_views();
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
    tell_views();
}

AdvanceReport Controller::advance() {
    const CombatantState acting = lane_zero_action(state_.session).ally;
    AdvanceReport report{};
    change([&](WindowState& state) {
        report = advance_lane_zero(state);
        return true;
    });
    if (report.refusal == AdvanceRefusal::kNone) {
        follow_advance(acting, report);
    }
    return report;
}

void Controller::follow_advance(const CombatantState& acting, const AdvanceReport& report) {
    checkLine_ = report.outcome.levelUp ? figures_to_check_line(report.outcome.grown) : "";
    confirm_ally(ally_after(acting, report));
}

void Controller::clear_check_line() {
    checkLine_.clear();
}

void Controller::take_roster(Roster roster) {
    roster_ = std::move(roster);
}

void Controller::confirm_ally(const CombatantState& ally) {
    if (confirm_in_roster(roster_, ally)) {
        for (ControllerView* view : views_) {
            view->keep_roster(roster_);
        }
    }
    tell_views();
}

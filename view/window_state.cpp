#include "view/window_state.h"

WindowState fresh_window_state(const Tables& tables) {
    WindowState state{};
    state.tables = &tables;
    state.session = default_session();
    refresh_shown(state);
    return state;
}

void rerun_lane(WindowState& state, int lane) {
    state.shown.lanes[lane] = run_lane(state.session, *state.tables, lane);
}

void rerun_both_lanes(WindowState& state) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        rerun_lane(state, lane);
    }
    state.shown.telling = telling_entry(state.session, *state.tables, state.shown.marks);
}

AdvanceReport advance_lane_zero(WindowState& state) {
    const CombatantState acting = lane_zero_action(state.session).ally;
    // The kept places are where the action of the dialogs may run; with a plan in use they tell
    // nothing, and 実行 lets them go instead of narrowing them.
    const bool planLetsKeptGo = state.session.plan.stepCount > 0;
    std::vector<LaneCursor> kept;
    if (planLetsKeptGo) {
        kept.swap(state.session.kept);
    }
    const AdvanceReport report = advance_past_action(state.session, state.tables->randomTable);
    if (report.refusal != AdvanceRefusal::kNone) {
        if (planLetsKeptGo) {
            state.session.kept.swap(kept);
        }
    } else {
        rerun_both_lanes(state);
        confirm_in_roster(state.roster, ally_after(acting, report));
    }
    return report;
}

void refresh_shown(WindowState& state) {
    state.shown.marks = read_marks(state.session.marks, state.tables->randomTable);
    rerun_both_lanes(state);
}

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/advance.h"
#include "state/session.h"
#include "state/session_view.h"
#include "state/tables.h"
#include "view/roster.h"

// What the window works on: the program's tables, the player's session, and kept beside the
// session what the window shows of it, the pattern box's reading and the last search.

// What the window's last search was made with: its results hold only while these stay.
struct SearchBasis {
    bool made;
    std::int32_t seedIndex;
    Action action;
    TurnPlan plan;
    std::string marks;
};

// The window's last search: its positions (the first ten on the line, all in the table) and,
// under them, those that hold on every sequence the marks leave, when they were two or more and
// lane 0 stood on one of them.
struct LastSearch {
    std::uint32_t number;      // counts the searches of the session: a new one shows by it
    std::int32_t resultCount;  // or -1/-2
    std::vector<std::int32_t> results;
    bool commonShown;
    std::vector<std::int32_t> commonSequences;
    std::int32_t commonCount;  // or -1/-2
    std::vector<std::int32_t> commonPositions;
    SearchBasis basis;
};

// What the window shows of its session: each lane's run, the marks' reading and what tells the
// matches apart. Computed from the session and the tables after each change, so that a paint
// only draws.
struct SessionShown {
    std::array<LaneRun, kLaneCount> lanes;
    MarkReading marks;
    TellingEntry telling;
};

struct WindowState {
    const Tables* tables;
    Session session;
    SessionShown shown;
    bool markTextCut;  // the pattern box holds more than the 499 bytes read
    LastSearch search;
    // Each ally's figures and skills as last confirmed, kept between runs and across sessions.
    Roster roster;
};

// A state on the tables with a fresh session, as the window starts without one.
WindowState fresh_window_state(const Tables& tables);

// After the session changed, what the window shows of it: one lane's run; both lanes and what
// tells the matches apart (the action changed); everything (the marks changed, or the session
// is another).
void rerun_lane(WindowState& state, int lane);
void rerun_both_lanes(WindowState& state);
void refresh_shown(WindowState& state);

// 実行 on the session, then both lanes run again and the acting ally's figures go into the
// roster. The kept places are narrowed, or, with a plan in use, let go. A refusal changes
// nothing.
AdvanceReport advance_lane_zero(WindowState& state);

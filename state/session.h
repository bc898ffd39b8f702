#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "state/action.h"
#include "state/history.h"
#include "state/turn_plan.h"

constexpr int kLaneCount = 2;

// Where a lane stands: a sequence and a position of it.
struct LaneCursor {
    std::int32_t seedIndex;
    std::int32_t position;

    bool operator==(const LaneCursor&) const = default;
};

// What the player's session holds, and exactly what a scenario file holds: the action the dialogs
// set, both lanes, the plan, the record of each 実行, the pattern box's marks and the places the
// game may stand on. Everything the
// window shows of it is computed from it and the tables; nothing of that is kept here. A member
// added here is read and written by the scenario file, and compared, kept by 元に戻す and saved
// with the rest at once.
struct Session {
    Action action;
    std::array<LaneCursor, kLaneCount> lanes;
    TurnPlan plan;
    History history;
    std::string marks;  // Shift-JIS, the pattern box's text: at most 499 bytes
    // The places the game may stand on, narrowed by each 実行 (state/kept_positions.h); empty
    // for none.
    std::vector<LaneCursor> kept;

    bool operator==(const Session&) const = default;
};

// The session a start gives, with no file: both lanes at 1 of sequence 0, the units' figures and
// the conditions as the program starts with them, no unit chosen, no plan, no record, no marks.
Session default_session();

// An ally is set once the status dialog has given it a name.
bool ally_is_set(const Session& session);

// The action lane 0 runs first: the plan's first step while a plan is in use, otherwise the
// dialogs' action.
const Action& lane_zero_action(const Session& session);

// The re-move rate of the growth row of the ally, found by name; 0 for an ally without a row.
std::int32_t re_move_rate_of(const GameTables& tables, const CombatantState& ally);

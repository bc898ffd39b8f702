#pragma once

#include <array>
#include <cstdint>

#include "data/game_tables.h"
#include "random/mark_advice.h"
#include "random/marks.h"
#include "random/near_match.h"
#include "random/random_table.h"
#include "sim/consumption_log.h"
#include "state/action.h"
#include "state/history.h"
#include "state/telling_apart.h"
#include "state/turn_plan.h"

constexpr int kLaneCount = 2;
constexpr int kSearchResultCapacity = 5005;

using Lane = ConsumptionLog;

// One action's entries within a lane's log, as a plan's chain fills it: where a step's entries
// begin and end, and, counted from the lane's first entry too, its predicted battle and the
// first entries of its strike groups (kNoStrikeGroup where a group is missing).
struct StepSpan {
    std::int32_t start;
    std::int32_t end;
    std::int32_t predictSwitch;
    std::int32_t predictStart;
    std::int32_t predictEnd;
    std::array<std::int32_t, kStrikeStartSlots> strikeStarts;
};

// A lane's log while a plan is in use: the steps one after another (none without a plan).
struct LaneSteps {
    std::int32_t count;
    std::array<StepSpan, kMaxPlanSteps> spans;
};

// What the window's last search was made with: its results hold only while these stay.
struct SearchBasis {
    bool made;
    std::int32_t seedIndex;
    Action action;
    TurnPlan plan;
    MarkTextBuffer marks;
};

// Everything the program knows, in one record that lives for the whole run. The unit and
// growth tables come first (GameTables), as the start-up files fill them; the current action
// (Action) is what the dialogs set.
struct AppState : GameTables, Action {
    RandomTable randomTable;
    std::array<Lane, kLaneCount> lanes;
    TurnPlan plan;
    std::array<LaneSteps, kLaneCount> laneSteps;
    History history;  // each 実行, kept in the session
    MarkTextBuffer markText;
    MarkTextBuffer lastMarkText;
    MarkArray marks;
    std::int32_t markCount;
    bool markTextCut;  // the pattern box holds more than the 499 bytes read
    CandidateList candidates;
    std::int32_t candidateCount;
    // What the window says under the candidates: the sequences within a slip or two of marks
    // that match none (at most six), or, when several match, what the next mark tells apart.
    NearMatchList nearMatches;
    std::int32_t nearCount;
    bool adviceShown;
    NextMarkAdvice markAdvice;
    // Once no mark can tell the matches apart: the first entry of lane 0's log, run on each of
    // them right behind the marks, that does.
    TellingEntry tellingEntry;
    std::array<std::int32_t, kSearchResultCapacity> searchResults;
    std::int32_t searchResultCount;
    // The last search's positions that hold whichever of the sequences the marks match it is;
    // only when they were two or more and lane 0 stood on one of them.
    bool commonShown;
    std::int32_t commonSequenceCount;
    CandidateList commonSequences;
    std::int32_t commonCount;
    std::array<std::int32_t, kSearchResultCapacity> commonPositions;
    SearchBasis searchBasis;
    // Both units' HP after the battle of lane 0's action, as the lane's last run left them. The
    // unit panels show these: the units' hpAfterBattle belong to whichever lane or search
    // simulated last.
    std::int32_t laneZeroAllyHpAfter;
    std::int32_t laneZeroEnemyHpAfter;
};

// The start-up defaults, in the three steps of the window's creation that set them: the lanes'
// cursors, the two units' figures, then the identification, switches and conditions.
void set_lane_defaults(AppState& state);
void set_unit_defaults(AppState& state);
void set_condition_defaults(AppState& state);
// All three at once, for a state whose files are read, or not needed, beforehand.
void set_start_up_defaults(AppState& state);

// An ally is set once the status dialog has given it a name.
bool ally_is_set(const AppState& state);

// The action lane 0 runs first: the plan's first step while a plan is in use, otherwise the
// dialogs' action.
const Action& lane_zero_action(const AppState& state);

// The re-move rate of the growth row of the ally, found by name; 0 for an ally without a row.
std::int32_t re_move_rate_of(const GameTables& tables, const CombatantState& ally);
// The same for the state's ally.
std::int32_t ally_re_move_rate(const AppState& state);

// Runs the state's switched-on events with its units and rates into log, from the log's
// cursor, whatever the ally's name.
void run_state_events(AppState& state, ConsumptionLog& log);

// Re-runs the events of one lane from its cursor, when an ally is set: the state's action, or,
// while a plan is in use, its steps one after another. A run of lane 0 keeps its battle's HP
// (the first step's) for the panels.
void rerun_lane(AppState& state, int lane);

// Finds tellingEntry afresh, after the marks or the action changed: only when an ally is set and
// the matches are one group of sequences whose marks always agree.
void refresh_telling_entry(AppState& state);

// After the action changed: both lanes, then what their events tell apart.
void rerun_both_lanes(AppState& state);

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "random/mark_advice.h"
#include "random/marks.h"
#include "random/near_match.h"
#include "sim/consumption_log.h"
#include "state/session.h"
#include "state/tables.h"
#include "state/telling_apart.h"

// What the window shows of a session, each a function of the session and the tables.

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

// A lane's events from its cursor: the action's, or, while a plan is in use, its steps one after
// another; nothing while no ally is set. For the unit panels, both units' HP after the battle of
// the lane's first action.
struct LaneRun {
    ConsumptionLog log;  // its seedIndex and position are the lane's cursor
    LaneSteps steps;
    std::int32_t allyHpAfter;
    std::int32_t enemyHpAfter;
};
LaneRun run_lane(const Session& session, const Tables& tables, int lane);

// The most near sequences the window lists.
constexpr int kMaxNearShown = 6;

// The pattern box's marks, read: the sequences they match, and under them the sequences within a
// slip or two of marks that match none (at most six), or, when several match, what the next mark
// tells apart.
struct MarkReading {
    MarkArray marks;
    std::int32_t markCount;
    CandidateList candidates;
    std::int32_t candidateCount;
    NearMatchList nearMatches;
    std::int32_t nearCount;
    bool adviceShown;
    NextMarkAdvice markAdvice;
};
MarkReading read_marks(const std::string& marks, const RandomTable& table);

// Once no mark can tell the matches apart: the first entry of the dialogs' action, run on each of
// them right behind the marks, that does; entry -1 otherwise, and while no ally is set.
TellingEntry telling_entry(const Session& session, const Tables& tables,
                           const MarkReading& reading);

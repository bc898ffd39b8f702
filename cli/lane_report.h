#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "state/action_runs.h"
#include "state/session.h"

// What run reports of a lane: as the window draws it, and its log as JSON.

// One lane in rows of 32 columns: the values, their marks, and each log entry's label under the
// value it used, in brackets when its test passed (Shift-JIS).
std::string lane_text(const RandomTable& table, const Action& action, const ConsumptionLog& lane);

// A lane's log as the run reports it, with both units' HP after its battle.
nlohmann::json log_json(const SequenceRun& run);

// The same in the readable form (Shift-JIS), with both units' HP before and after its battle,
// where it has one.
std::string log_text(const RandomTable& table, const Action& action, const SequenceRun& run);

// The plan as lane 0 runs it from the lane's position, each step reported as a run of its own.
nlohmann::json run_plan_on_lane(const TurnPlan& plan, const RandomTable& table,
                                const LaneCursor& lane, std::string& text);

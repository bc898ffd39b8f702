#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "state/app_state.h"

// What run reports of a lane: as the window draws it, and its log as JSON.

// One lane in rows of 32 columns: the values, their marks, and each log entry's label under the
// value it used, in brackets when its test passed (Shift-JIS).
std::string lane_text(const AppState& state, const Lane& lane);

// A lane's log as the run reports it, right after the run, with both units' HP after its battle.
nlohmann::json log_json(const AppState& state, const Lane& lane);

// The same in the readable form (Shift-JIS), with both units' HP before and after.
std::string log_text(const AppState& state, const Lane& lane);

// Each step of the plan as a run of its own members alone, on a fresh log at the position where
// the step before stopped; the chain ends before a step that would start past the last lane
// position. The state's action is left as the last step run.
nlohmann::json run_plan_on_lane(AppState& state, const TurnPlan& plan, const Lane& lane,
                                std::string& text);

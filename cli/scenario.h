#pragma once

#include <string>

#include "data/app_state.h"
#include "data/turn_plan.h"

// Reads a scenario file (what the dialogs and lane commands would have set) over the state,
// which already holds the start-up defaults and the two tables. Every member is optional;
// unknown members, wrong types and values out of range raise a CliError naming the field.
// The scenario's steps, each read over the one before it (the first over the top level), go
// to plan (stepCount 0 without steps); the forms without a plan check them and drop them.
void apply_scenario_file(const std::string& path, AppState& state, TurnPlan& plan);
void apply_scenario_file(const std::string& path, AppState& state);
void apply_scenario_text(const std::string& text, AppState& state, TurnPlan& plan);
void apply_scenario_text(const std::string& text, AppState& state);

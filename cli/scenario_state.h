#pragma once

#include <memory>
#include <string>

#include "data/app_state.h"

// The state the program would have after start-up and the scenario's dialogs. tables is what
// the start-up files gave, or null for a command that reads none of them.
std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables);

// Runs the events of a lane as the status dialog's OK does, whatever the ally's name.
void run_lane_events(AppState& state, Lane& lane);

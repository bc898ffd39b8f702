#pragma once

#include <memory>
#include <string>

#include "data/app_state.h"

#include "data/turn_plan.h"

// The state the program would have after start-up and the scenario's dialogs. tables is what
// the start-up files gave, or null for a command that reads none of them; the scenario's steps
// go to plan, or are checked and dropped when plan is null.
std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables,
                                               TurnPlan* plan = nullptr);

#pragma once

#include <string>

#include "data/app_state.h"

// Reads a scenario file (what the dialogs and lane commands would have set) over the state,
// which already holds the start-up defaults and the two tables. Every member is optional;
// unknown members, wrong types and values out of range raise a CliError naming the field.
void apply_scenario_file(const std::string& path, AppState& state);
void apply_scenario_text(const std::string& text, AppState& state);

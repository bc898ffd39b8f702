#pragma once

#include <memory>
#include <string>

#include "cli/arguments.h"
#include "state/app_state.h"
#include "state/scenario_file.h"

// The state the program would have after start-up and the scenario's dialogs, the scenario's
// steps in its plan and its marks in markText. tables is what the start-up files gave, or null
// for a command that reads none of them; hasMarks, if given, tells whether the scenario holds
// marks.
std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables,
                                               bool* hasMarks = nullptr);

// --marks, when given, in place of the scenario's marks (refused past 499 bytes in Shift-JIS, as
// identify refuses a pattern); whether it was given.
bool take_marks_option(const CommandLine& line, AppState& state);

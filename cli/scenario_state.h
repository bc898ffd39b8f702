#pragma once

#include <string>

#include "cli/arguments.h"
#include "state/scenario_file.h"

// The scenario at path, read as both front ends open one: the session the program would have
// after start-up and the scenario's dialogs, and whether it names marks.
ScenarioRead read_scenario_file(const std::string& path);

// --marks, when given, in place of the session's marks (refused past 499 bytes in Shift-JIS, as
// identify refuses a pattern); whether it was given.
bool take_marks_option(const CommandLine& line, Session& session);

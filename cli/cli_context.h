#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "state/tables.h"

// What a command prints: the JSON object, or the readable text.
struct CommandOutput {
    nlohmann::json json;
    std::string jsonText;  // when not empty, the object as it stands, printed instead of json
    std::string text;
    std::string warnings;  // UTF-8 lines for stderr, where the command still succeeds
};

const RandomTable& cli_random_table();

// The sequences and, with readFiles, the unit and growth tables: character.txt, then grow.txt,
// read from the data folder as the program reads them at start-up. Without, no unit and no
// growth row, for a command whose outcome depends on its scenario alone.
const Tables& cli_tables(const CommandLine& line, bool readFiles);

// What reading those two files lost, one line each, as the window says it at start-up.
std::string start_up_warnings(const CommandLine& line);

std::string utf8_of(const char* shiftJis);
// Converts a UTF-8 argument or field to Shift-JIS, or raises an error naming it.
std::string shift_jis_of(const std::string& utf8, const std::string& what);

CommandOutput command_values(const CommandLine& line);
CommandOutput command_identify(const CommandLine& line);
CommandOutput command_units(const CommandLine& line);
CommandOutput command_growth(const CommandLine& line);
CommandOutput command_run(const CommandLine& line);
CommandOutput command_search(const CommandLine& line);
CommandOutput command_estimate(const CommandLine& line);
CommandOutput command_advance(const CommandLine& line);
CommandOutput command_locate(const CommandLine& line);

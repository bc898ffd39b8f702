#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// Raised for anything the user got wrong; the message names the argument, file or field.
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Raised when the line names no command at all: the answer is the usage.
struct MissingCommand : CliError {
    using CliError::CliError;
};

// The commands, in the order the usage lists them.
inline constexpr const char* kCommands[] = {"values", "identify", "units",   "growth", "run",
                                            "search", "estimate", "advance", "locate"};

struct CommandLine {
    std::string dataDir;  // empty: the start-up folders are searched
    std::string outFile;  // --out: the output goes there, written safely, instead of stdout
    bool json = false;
    std::string command;
    std::vector<std::string> positionals;
    std::map<std::string, std::string> options;
};

// Splits the arguments; every option but --json, --details and --all-sequences takes a value, and
// may stand anywhere on the line, once. --help and --version end the parse with CLI::CallForHelp
// and CLI::CallForVersion.
CommandLine parse_command_line(int argc, const char* const* argv);

// What --help prints: the commands, their options and an example each.
const char* usage_text();
void check_arguments(const CommandLine& line, std::size_t positionals,
                     const std::set<std::string>& allowedOptions);

// A whole decimal integer within [low, high], else an error naming what.
std::int64_t parse_integer(const std::string& text, std::int64_t low, std::int64_t high,
                           const std::string& what);

// Whole decimal integers separated by commas, each within [low, high], else an error naming
// what; an empty text is an empty list.
std::vector<std::int64_t> parse_integer_list(const std::string& list, std::int64_t low,
                                             std::int64_t high, const std::string& what);

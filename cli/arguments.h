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

struct CommandLine {
    std::string dataDir = ".";
    bool json = false;
    std::string command;
    std::vector<std::string> positionals;
    std::map<std::string, std::string> options;
};

// Splits the arguments; every option but --json takes a value. Options the command does not
// know are an error.
CommandLine parse_command_line(int argc, const char* const* argv);
void check_arguments(const CommandLine& line, std::size_t positionals,
                     const std::set<std::string>& allowedOptions);

// A whole decimal integer within [low, high], else an error naming what.
std::int64_t parse_integer(const std::string& text, std::int64_t low, std::int64_t high,
                           const std::string& what);

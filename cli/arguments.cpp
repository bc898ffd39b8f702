#include "cli/arguments.h"

#include <charconv>

CommandLine parse_command_line(int argc, const char* const* argv) {
    CommandLine line;
    bool dataDirGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            line.json = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc) {
                throw CliError("option " + arg + " needs a value");
            }
            const std::string value = argv[++i];
            if (arg == "--data-dir") {
                if (dataDirGiven) {
                    throw CliError("option --data-dir is given twice");
                }
                dataDirGiven = true;
                line.dataDir = value;
            } else if (!line.options.emplace(arg, value).second) {
                throw CliError("option " + arg + " is given twice");
            }
        } else if (line.command.empty()) {
            line.command = arg;
        } else {
            line.positionals.push_back(arg);
        }
    }
    if (line.command.empty()) {
        throw CliError("no command given (values, identify, units, growth, run, search, estimate)");
    }
    return line;
}

void check_arguments(const CommandLine& line, std::size_t positionals,
                     const std::set<std::string>& allowedOptions) {
    for (const auto& [name, value] : line.options) {
        if (allowedOptions.count(name) == 0) {
            throw CliError("unknown option " + name + " for " + line.command);
        }
    }
    if (line.positionals.size() != positionals) {
        throw CliError(line.command + " takes " + std::to_string(positionals) +
                       " argument(s), got " + std::to_string(line.positionals.size()));
    }
}

std::int64_t parse_integer(const std::string& text, std::int64_t low, std::int64_t high,
                           const std::string& what) {
    std::int64_t value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end) {
        throw CliError(what + " must be an integer, got \"" + text + "\"");
    }
    if (value < low || value > high) {
        throw CliError(what + " must be " + std::to_string(low) + " to " + std::to_string(high) +
                       ", got " + text);
    }
    return value;
}

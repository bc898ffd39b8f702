#include "cli/arguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>

namespace {

// Every option but --json and the flags takes a value; each may stand anywhere on the line,
// before or after the command, and a value option at most once. Which command accepts which is
// checked by the command.
const char* const kFlagOptions[] = {"--details", "--all-sequences"};
const char* const kValueOptions[] = {"--seed",    "--from",      "--count",    "--ally",
                                     "--books",   "--tolerance", "--scenario", "--marks",
                                     "--ally-hp", "--enemy-hp",  "--grown",    "--re-move"};

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
    CommandLine line;
    CLI::App app;
    app.set_help_flag("-h,--help");
    app.set_version_flag("--version", std::string("soramito-cli ") + SORAMITO_VERSION);
    app.fallthrough();
    app.add_option("--data-dir", line.dataDir)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    app.add_option("--out", line.outFile)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    app.add_flag("--json", line.json);
    std::map<std::string, bool> flags;
    for (const char* name : kFlagOptions) {
        app.add_flag(name, flags[name]);
    }
    std::map<std::string, std::string> given;
    for (const char* name : kValueOptions) {
        app.add_option(name, given[name])->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    }
    for (const char* command : kCommands) {
        CLI::App* sub = app.add_subcommand(command);
        sub->add_option("arguments", line.positionals);
        sub->set_help_flag("-h,--help");
    }
    app.require_subcommand(0, 1);
    app.allow_extras();
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success&) {
        throw;
    } catch (const CLI::Error& error) {
        throw CliError(error.what());
    }
    const std::vector<std::string> extras = app.remaining();
    if (app.get_subcommands().empty()) {
        if (!extras.empty()) {
            throw CliError("unknown command \"" + extras.front() + "\"");
        }
        throw MissingCommand("no command given");
    }
    // Only a word that begins with "--" is an option: a pattern such as "-ox" is an argument.
    for (const std::string& extra : extras) {
        if (extra.rfind("--", 0) == 0) {
            throw CliError("unknown option " + extra);
        }
        line.positionals.push_back(extra);
    }
    line.command = app.get_subcommands().front()->get_name();
    // A flag of one command alone; the command checks it as it checks its options.
    for (const char* name : kFlagOptions) {
        if (flags[name]) {
            line.options[name] = "";
        }
    }
    for (const char* name : kValueOptions) {
        if (app.count(name) != 0) {
            line.options[name] = given[name];
        }
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

std::vector<std::int64_t> parse_integer_list(const std::string& list, std::int64_t low,
                                             std::int64_t high, const std::string& what) {
    std::vector<std::int64_t> values;
    std::size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        values.push_back(parse_integer(list.substr(start, comma - start), low, high, what));
        start = comma + 1;
    }
    return values;
}

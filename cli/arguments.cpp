#include "cli/arguments.h"

#include "cli/cli_context.h"

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
    } catch (const CLI::ArgumentMismatch& error) {
        // CLI11 names the option before a colon; the rest of its words are English.
        const std::string what = error.what();
        throw CliError(what.substr(0, what.find(':')) +
                       utf8_of(" は値を付けて、一度だけ書いてください"));
    } catch (const CLI::Error& error) {
        throw CliError(utf8_of("オプションの書き方が正しくありません：") + error.what());
    }
    const std::vector<std::string> extras = app.remaining();
    if (app.get_subcommands().empty()) {
        if (!extras.empty()) {
            const std::string& first = extras.front();
            throw CliError(
                utf8_of("「") + first +
                utf8_of(
                    first.starts_with("--")
                        ? "」というオプションはありません"
                        : "」というコマンドはありません（soramito-cli --help で一覧が出ます）"));
        }
        throw MissingCommand(utf8_of("コマンドがありません"));
    }
    // Only a word that begins with "--" is an option: a pattern such as "-ox" is an argument.
    for (const std::string& extra : extras) {
        if (extra.rfind("--", 0) == 0) {
            throw CliError(utf8_of("「") + extra + utf8_of("」というオプションはありません"));
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
            throw CliError(line.command + utf8_of(" には ") + name + utf8_of(" は使えません"));
        }
    }
    if (line.positionals.size() != positionals) {
        throw CliError(line.command +
                       utf8_of(" には、オプションのほかに引数（シナリオのファイルや○×の並び）を ") +
                       std::to_string(positionals) + utf8_of(" 個書いてください（") +
                       std::to_string(line.positionals.size()) + utf8_of(" 個あります）"));
    }
}

std::int64_t parse_integer(const std::string& text, std::int64_t low, std::int64_t high,
                           const std::string& what) {
    std::int64_t value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end) {
        throw CliError(what + utf8_of(" は整数にしてください（「") + text +
                       utf8_of("」が書かれています）"));
    }
    if (value < low || value > high) {
        throw CliError(what + utf8_of(" は ") + std::to_string(low) + utf8_of(" から ") +
                       std::to_string(high) + utf8_of(" までにしてください（") + text +
                       utf8_of(" が書かれています）"));
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

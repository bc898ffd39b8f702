#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <sstream>

#include "cli/cli_context.h"
#include "data/file_problems.h"
#include "data/growth_file.h"
#include "data/unit_file.h"
#include "text/open_file.h"
#include "text/scenario_fault_words.h"
#include "text/start_up_folder.h"
#include "text/text_encoding.h"

namespace {

std::string one_line(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

using Command = CommandOutput (*)(const CommandLine&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"values", command_values},     {"identify", command_identify}, {"units", command_units},
        {"growth", command_growth},     {"run", command_run},           {"search", command_search},
        {"estimate", command_estimate}, {"advance", command_advance},   {"locate", command_locate},
    };
    return table;
}

}  // namespace

namespace {

// The one set of tables of a run: the sequences are generated once.
Tables& program_tables() {
    static Tables* tables = [] {
        static Tables storage;
        generate_random_tables(storage.randomTable);
        return &storage;
    }();
    return *tables;
}

}  // namespace

const RandomTable& cli_random_table() {
    return program_tables().randomTable;
}

namespace {

// --data-dir, else the first folder of the working folder and the program's own that holds
// character.txt; a refusal naming the folders looked in when none does.
std::string data_folder(const CommandLine& line) {
    if (!line.dataDir.empty()) {
        return line.dataDir;
    }
    const std::vector<std::string> folders = start_up_folders();
    std::string folder = folder_with_unit_file(folders);
    if (folder.empty()) {
        throw CliError(utf8_of("キャラデータを読み込めません（character.txt）。") +
                       searched_folders_words(folders));
    }
    return folder;
}

}  // namespace

const Tables& cli_tables(const CommandLine& line, bool readFiles) {
    Tables& tables = program_tables();
    GameTables& files = tables;
    files = GameTables{};
    if (!readFiles) {
        return tables;
    }
    const std::string folder = data_folder(line);
    const std::string units = folder + "/character.txt";
    if (!load_unit_file(open_file(units, "r"), files)) {
        throw CliError(utf8_of("キャラデータを読み込めません：") + units);
    }
    const std::string growth = folder + "/grow.txt";
    if (!load_growth_file(open_file(growth, "r"), files)) {
        throw CliError(utf8_of("成長率を読み込めません：") + growth);
    }
    return tables;
}

std::string start_up_warnings(const CommandLine& line) {
    const GameTables& units = cli_tables(line, true);
    const std::string folder = data_folder(line);
    std::string lines;
    for (const auto& [name, growthFile] :
         {std::pair{"character.txt", false}, std::pair{"grow.txt", true}}) {
        const std::string words =
            start_up_file_warning(open_file(folder + "/" + name, "r"), name, growthFile, units);
        if (!words.empty()) {
            lines.append(utf8_of(words.c_str())).append("\n");
        }
    }
    return lines;
}

std::string utf8_of(const char* shiftJis) {
    return shift_jis_to_utf8(shiftJis);
}

std::string shift_jis_of(const std::string& utf8, const std::string& what) {
    std::string shiftJis;
    if (!utf8_to_shift_jis(utf8, shiftJis)) {
        throw CliError(what + utf8_of(" に Shift-JIS で書けない文字があります"));
    }
    return shiftJis;
}

int run_cli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    try {
        const CommandLine line = parse_command_line(argc, argv);
        const CommandOutput output = commands().at(line.command)(line);
        const std::string text = !line.json                ? output.text
                                 : output.jsonText.empty() ? output.json.dump() + '\n'
                                                           : output.jsonText;
        // A file named on the line gets the bytes themselves, whatever the shell would have made
        // of them.
        if (!line.outFile.empty() && !write_file_safely(line.outFile, text)) {
            throw CliError(utf8_of("--out のファイルに書けません：") + line.outFile);
        }
        if (line.outFile.empty()) {
            out << text;
            out.flush();
        }
        err << output.warnings;
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::Success&) {
        out << utf8_of(usage_text());
        return 0;
    } catch (const MissingCommand&) {
        err << utf8_of(usage_text());
        return 2;
    } catch (const ScenarioError& error) {
        err << "soramito-cli: " << one_line(utf8_of(scenario_fault_words(error.fault).c_str()))
            << '\n';
        return 2;
    } catch (const std::exception& error) {
        err << "soramito-cli: " << one_line(error.what()) << '\n';
        return 2;
    }
}

int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    return run_cli(static_cast<int>(argv.size()), argv.data(), out, err);
}

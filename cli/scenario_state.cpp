#include "cli/scenario_state.h"

#include <cstring>

#include "cli/cli_context.h"
#include "text/open_file.h"
#include "text/scenario_codec.h"

std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables,
                                               bool* hasMarks) {
    auto state = std::make_unique<AppState>();
    if (tables != nullptr) {
        static_cast<GameTables&>(*state) = *tables;
    }
    state->randomTable = cli_random_table();
    set_start_up_defaults(*state);
    std::string text;
    if (!read_whole_file(path, text)) {
        throw CliError("cannot read the scenario " + path);
    }
    const bool marks = read_scenario(text, kScenarioCodec, *state);
    if (hasMarks != nullptr) {
        *hasMarks = marks;
    }
    return state;
}

bool take_marks_option(const CommandLine& line, AppState& state) {
    const auto marks = line.options.find("--marks");
    if (marks == line.options.end()) {
        return false;
    }
    const std::string pattern = shift_jis_of(marks->second, "--marks");
    check_mark_text_length(pattern.size(), "--marks");
    std::memset(state.markText, 0, sizeof state.markText);
    std::memcpy(state.markText, pattern.data(), pattern.size());
    return true;
}

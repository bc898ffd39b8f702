#include "cli/scenario_state.h"

#include "cli/cli_context.h"
#include "text/open_file.h"
#include "text/scenario_codec.h"
#include "text/scenario_fault_words.h"

ScenarioRead read_scenario_file(const std::string& path) {
    std::string text;
    if (!read_whole_file(path, text)) {
        throw CliError(utf8_of("シナリオを読めません：") + path);
    }
    try {
        return read_scenario(text, kScenarioCodec);
    } catch (const ScenarioError& error) {
        throw CliError(utf8_of("シナリオ ") + path + utf8_of("：") +
                       utf8_of(scenario_fault_words(error.fault).c_str()));
    }
}

bool take_marks_option(const CommandLine& line, Session& session) {
    const auto marks = line.options.find("--marks");
    if (marks == line.options.end()) {
        return false;
    }
    const std::string pattern = shift_jis_of(marks->second, "--marks");
    check_mark_text_length(pattern.size(), "--marks");
    session.marks = pattern.substr(0, pattern.find('\0'));
    return true;
}

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "cli/identify_advice.h"
#include "cli/scenario_state.h"
#include "random/near_match.h"

namespace {

constexpr int kLaneWidth = 32;

const char* mark_text(Mark mark) {
    return mark == 1 ? "○" : "×";
}

}  // namespace

CommandOutput command_values(const CommandLine& line) {
    check_arguments(line, 0, {"--seed", "--from", "--count"});
    if (line.options.count("--seed") == 0 || line.options.count("--from") == 0) {
        throw CliError(utf8_of("values には --seed と --from を書いてください"));
    }
    const int seed = static_cast<int>(parse_integer(line.options.at("--seed"), 0, 63, "--seed"));
    const int from =
        static_cast<int>(parse_integer(line.options.at("--from"), 0, kLastShownPosition, "--from"));
    const int count = line.options.count("--count") == 0
                          ? kLaneWidth
                          : static_cast<int>(parse_integer(line.options.at("--count"), 1,
                                                           kLastShownPosition + 1, "--count"));
    if (from + count - 1 > kLastShownPosition) {
        throw CliError("--from " + std::to_string(from) + " と --count " + std::to_string(count) +
                       utf8_of(" では位置 ") + std::to_string(kLastShownPosition) +
                       utf8_of(" を越えます"));
    }
    const RandomTable& table = cli_random_table();
    CommandOutput output;
    output.json = {{"seedIndex", seed}, {"from", from}, {"values", nlohmann::json::array()}};
    for (int row = 0; row < count; row += kLaneWidth) {
        std::string values = "乱数値：";
        std::string marks = "○×法：";
        for (int j = row; j < count && j < row + kLaneWidth; ++j) {
            const int stored = random_value(table, seed, from + j);
            const int display = display_value(stored);
            const Mark mark = mark_of(display);
            output.json["values"].push_back(
                {{"position", from + j}, {"stored", stored}, {"display", display}, {"mark", mark}});
            char cell[16];
            std::snprintf(cell, sizeof cell, "%02d ", display);
            values += cell;
            marks += std::string(mark_text(mark)) + " ";
        }
        char heading[64];
        std::snprintf(heading, sizeof heading, "現在の乱数　　#%02d:%3d\n", seed, from + row);
        output.text += heading + values + "\n" + marks + "\n";
    }
    output.text = utf8_of(output.text.c_str());
    return output;
}

CommandOutput command_identify(const CommandLine& line) {
    check_arguments(line, 1, {"--tolerance", "--scenario"});
    const auto tolerance = line.options.find("--tolerance");
    const int slips =
        tolerance == line.options.end()
            ? -1
            : static_cast<int>(parse_integer(tolerance->second, 0, kMaxTolerance, "--tolerance"));
    // The outcomes depend on the scenario alone: no unit or growth file is read.
    const auto scenarioPath = line.options.find("--scenario");
    const std::optional<Session> scenario =
        scenarioPath == line.options.end()
            ? std::nullopt
            : std::optional<Session>(read_scenario_file(scenarioPath->second).session);
    const std::string pattern = shift_jis_of(line.positionals[0], utf8_of("○×の並び"));
    check_mark_text_length(pattern.size(), utf8_of("○×の並び"));
    MarkArray marks{};
    const int markCount = parse_mark_pattern(pattern.c_str(), marks);
    // The list holds every match, also when all 64 match and the count is 0.
    CandidateList candidates;
    std::fill(std::begin(candidates), std::end(candidates), -1);
    const int candidateCount = match_seeds(cli_random_table(), marks, markCount, candidates);
    const int listed = static_cast<int>(std::count_if(std::begin(candidates), std::end(candidates),
                                                      [](int seed) { return seed >= 0; }));
    CommandOutput output;
    output.json = {{"marks", std::vector<int>(marks, marks + markCount)},
                   {"markCount", markCount},
                   {"candidateCount", candidateCount},
                   {"candidates", std::vector<int>(candidates, candidates + listed)}};
    std::string text = "○×：";
    for (int k = 0; k < markCount; ++k) {
        text += mark_text(marks[k]);
    }
    text += "（" + std::to_string(markCount) + "個）\n候補：";
    if (candidateCount > 0) {
        for (int c = 0; c < candidateCount; ++c) {
            text += c > 0 ? " " : "";
            text += std::to_string(candidates[c]);
        }
    } else if (listed == kSeedCount) {
        text += "なし（64本の乱数列すべてが一致します）";
    } else {
        text += "なし（一致する乱数列はありません）";
    }
    text += "\n";
    if (listed >= 2) {
        add_next_mark(markCount, candidates, listed, output.json, text);
    }
    if (slips >= 0) {
        add_near_matches(marks, markCount, slips, output.json, text);
    }
    if (scenario.has_value() && listed > 0) {
        add_outcomes(scenario->action, markCount, candidates, listed, output.json, text);
    }
    output.text = utf8_of(text.c_str());
    return output;
}

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/scenario_state.h"
#include "random/marks.h"
#include "search/position_search.h"
#include "sim/consumption_estimate.h"

namespace {

constexpr int kLaneWidth = 32;

// The state the program would have after start-up and the scenario's dialogs.
std::unique_ptr<AppState> scenario_state(const CommandLine& line) {
    check_arguments(line, 1, {});
    return fresh_scenario_state(line.positionals[0], &cli_game_tables(line));
}

std::string cell(const char* text) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%-4s", text);
    return buffer;
}

// One lane as the window draws it, in rows of 32 columns: the values, their marks, and each
// log entry's label under the value it used, in brackets when its test passed.
std::string lane_text(const AppState& state, const Lane& lane) {
    char heading[64];
    std::snprintf(heading, sizeof heading, "現在の乱数　　#%02d:%3d\n", lane.seedIndex,
                  lane.position);
    std::string text = heading;
    const int columns = std::max(kLaneWidth, static_cast<int>(lane.count));
    for (int row = 0; row < columns; row += kLaneWidth) {
        std::string values = "乱数値：";
        std::string marks = "○×法：";
        std::string uses = "使い道：";
        for (int j = row; j < columns && j < row + kLaneWidth; ++j) {
            const int d =
                display_value(random_value(state.randomTable, lane.seedIndex, lane.position + j));
            char number[8];
            std::snprintf(number, sizeof number, " %02d", d);
            values += cell(number);
            marks += cell(mark_of(d) == 1 ? " ○" : " ×");
            if (j < lane.count) {
                const char* label = kConsumptionLabels[lane.codes[j]];
                uses += cell((lane.success[j] == 1 ? "[" + std::string(label) + "]"
                                                   : " " + std::string(label))
                                 .c_str());
            }
        }
        text += values + "\n" + marks + "\n" + uses + "\n";
    }
    if (state.predictSwitch == 1 && lane.predictEnd > lane.predictStart) {
        text += "予測消費：" + std::to_string(lane.predictStart) + "〜" +
                std::to_string(lane.predictEnd - 1) + "番目\n";
    }
    return text;
}

std::vector<int> log_entries(const Lane& lane) {
    return std::vector<int>(lane.codes.begin(), lane.codes.begin() + lane.count);
}

}  // namespace

CommandOutput command_run(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    CommandOutput output;
    output.json = {{"lanes", nlohmann::json::array()}};
    std::string text;
    for (int k = 0; k < kLaneCount; ++k) {
        Lane& lane = state.lanes[k];
        run_lane_events(state, lane);
        nlohmann::json labels = nlohmann::json::array();
        for (int i = 0; i < lane.count; ++i) {
            labels.push_back(utf8_of(kConsumptionLabels[lane.codes[i]]));
        }
        output.json["lanes"].push_back(
            {{"seedIndex", lane.seedIndex},
             {"position", lane.position},
             {"count", lane.count},
             {"codes", log_entries(lane)},
             {"success", std::vector<int>(lane.success.begin(), lane.success.begin() + lane.count)},
             {"labels", labels},
             {"predictStart", lane.predictStart},
             {"predictEnd", lane.predictEnd},
             {"strikeStarts", lane.strikeStarts},
             {"attackerHitsLanded", lane.attackerHitsLanded},
             {"defenderHitsLanded", lane.defenderHitsLanded},
             {"allyHpAfterBattle", state.ally.hpAfterBattle},
             {"enemyHpAfterBattle", state.enemy.hpAfterBattle}});
        char hp[160];
        std::snprintf(hp, sizeof hp, "ＨＰ：%s %d→%d　%s %d→%d\n\n", state.ally.name, state.ally.hp,
                      state.ally.hpAfterBattle, state.enemy.name, state.enemy.hp,
                      state.enemy.hpAfterBattle);
        text += lane_text(state, lane) + hp;
    }
    output.text = utf8_of(text.c_str());
    return output;
}

CommandOutput command_search(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    const Lane& lane = state.lanes[0];
    const std::int32_t result = search_positions(state, lane.seedIndex, lane.position);
    const std::vector<int> positions(state.searchResults.begin(),
                                     state.searchResults.begin() + std::max(result, 0));
    CommandOutput output;
    output.json = {{"result", result}, {"positions", positions}};
    std::string text;
    if (result > 0) {
        text = "候補：";
        for (int p : positions) {
            text += std::to_string(p) + " ";
        }
        text += "\n（" + std::to_string(result) + "個）\n";
    } else if (result == 0) {
        text = "候補：なし（条件を満たす位置は4004までにありません）\n";
    } else if (result == kSearchBadWish) {
        text =
            "候補：なし（成長率0の能力値に+1か+2、または成長率100未満の能力値に+"
            "2が指定されています）\n";
    } else {
        text = "候補：なし（レベルアップで絞り込む能力値がありません）\n";
    }
    output.text = utf8_of(text.c_str());
    return output;
}

CommandOutput command_estimate(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    const std::int32_t estimate = estimate_battle_consumption(state.ally, state.enemy);
    CommandOutput output;
    output.json = {{"estimate", estimate}};
    output.text = utf8_of(("戦闘の消費見込み：" + std::to_string(estimate) + "\n").c_str());
    return output;
}

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/scenario_state.h"
#include "random/marks.h"
#include "search/plan_search.h"
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
                const bool passed = lane.success[j] == 1;
                uses += cell((std::string(passed ? "[" : " ") + kConsumptionLabels[lane.codes[j]] +
                              (passed ? "]" : ""))
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

// A lane's log as the run reports it, right after the run.
nlohmann::json log_json(const AppState& state, const Lane& lane) {
    nlohmann::json labels = nlohmann::json::array();
    for (int i = 0; i < lane.count; ++i) {
        labels.push_back(utf8_of(kConsumptionLabels[lane.codes[i]]));
    }
    return {{"seedIndex", lane.seedIndex},
            {"position", lane.position},
            {"count", lane.count},
            {"codes", std::vector<int>(lane.codes.begin(), lane.codes.begin() + lane.count)},
            {"success", std::vector<int>(lane.success.begin(), lane.success.begin() + lane.count)},
            {"labels", labels},
            {"predictStart", lane.predictStart},
            {"predictEnd", lane.predictEnd},
            {"strikeStarts", lane.strikeStarts},
            {"attackerHitsLanded", lane.attackerHitsLanded},
            {"defenderHitsLanded", lane.defenderHitsLanded},
            {"allyHpAfterBattle", state.ally.hpAfterBattle},
            {"enemyHpAfterBattle", state.enemy.hpAfterBattle}};
}

// The same in the readable form (Shift-JIS), with both units' HP before and after.
std::string log_text(const AppState& state, const Lane& lane) {
    char hp[160];
    std::snprintf(hp, sizeof hp, "ＨＰ：%s %d→%d　%s %d→%d\n\n", state.ally.name, state.ally.hp,
                  state.ally.hpAfterBattle, state.enemy.name, state.enemy.hp,
                  state.enemy.hpAfterBattle);
    return lane_text(state, lane) + hp;
}

// Each step as a run of its own members alone, on a fresh log at the position where the step
// before stopped; the chain ends before a step that would start past the last lane position.
nlohmann::json run_plan_on_lane(AppState& state, const TurnPlan& plan, const Lane& lane,
                                std::string& text) {
    nlohmann::json steps = nlohmann::json::array();
    int position = lane.position;
    for (int k = 0; k < plan.stepCount && position <= kLastLanePosition; ++k) {
        static_cast<Action&>(state) = plan.steps[k];
        Lane log{};
        log.seedIndex = lane.seedIndex;
        log.position = position;
        run_state_events(state, log);
        steps.push_back(log_json(state, log));
        text += "行動" + std::to_string(k + 1) + "\n" + log_text(state, log);
        position += log.count;
    }
    return {{"seedIndex", lane.seedIndex}, {"position", lane.position}, {"steps", steps}};
}

// The line after the positions found, or why there are none.
std::string search_result_text(std::int32_t result) {
    if (result == 0) {
        return "候補：なし（条件を満たす位置は4004までにありません）\n";
    }
    if (result == kSearchBadWish) {
        return "候補：なし（成長率0の能力値に+1か+2、または成長率100未満の能力値に+"
               "2が指定されています）\n";
    }
    if (result == kSearchNoWish) {
        return "候補：なし（レベルアップで絞り込む能力値がありません）\n";
    }
    return "（" + std::to_string(result) + "個）\n";
}

CommandOutput search_plan_output(AppState& state, const TurnPlan& plan) {
    const Lane& lane = state.lanes[0];
    const auto results = std::make_unique<PlanSearchResults>();
    const std::int32_t result = search_plan(state, plan, lane.seedIndex, lane.position, *results);
    CommandOutput output;
    output.json = {{"result", result},
                   {"positions", nlohmann::json::array()},
                   {"chains", nlohmann::json::array()}};
    std::string text = result > 0 ? "候補（行動ごとの開始位置）：\n" : "";
    for (std::int32_t i = 0; i < result; ++i) {
        const PlanChain& chain = results->chains[i];
        output.json["positions"].push_back(chain[0]);
        output.json["chains"].push_back(
            std::vector<int>(chain.begin(), chain.begin() + plan.stepCount));
        for (int k = 0; k < plan.stepCount; ++k) {
            text += (k == 0 ? "" : " → ") + std::to_string(chain[k]);
        }
        text += "\n";
    }
    output.text = utf8_of((text + search_result_text(result)).c_str());
    return output;
}

}  // namespace

CommandOutput command_run(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    const TurnPlan plan = state.plan;
    CommandOutput output;
    output.json = {{"lanes", nlohmann::json::array()}};
    std::string text;
    for (Lane& lane : state.lanes) {
        if (plan.stepCount > 0) {
            output.json["lanes"].push_back(run_plan_on_lane(state, plan, lane, text));
            continue;
        }
        run_state_events(state, lane);
        output.json["lanes"].push_back(log_json(state, lane));
        text += log_text(state, lane);
    }
    output.text = utf8_of(text.c_str());
    return output;
}

CommandOutput command_search(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    if (state.plan.stepCount > 0) {
        return search_plan_output(state, state.plan);
    }
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
        text += "\n";
    }
    output.text = utf8_of((text + search_result_text(result)).c_str());
    return output;
}

// The top-level units; steps are checked but play no part.
CommandOutput command_estimate(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    AppState& state = *owner;
    const std::int32_t estimate = estimate_battle_consumption(state.ally, state.enemy);
    CommandOutput output;
    output.json = {{"estimate", estimate}};
    output.text = utf8_of(("戦闘の消費見込み：" + std::to_string(estimate) + "\n").c_str());
    return output;
}

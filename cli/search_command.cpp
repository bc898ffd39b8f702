#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/lane_report.h"
#include "cli/scenario_state.h"
#include "search/plan_search.h"
#include "search/position_search.h"
#include "state/outcome.h"

namespace {

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

// The positions found go to positions as well, for their details.
CommandOutput search_plan_output(AppState& state, const TurnPlan& plan,
                                 std::vector<int>& positions) {
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
        positions.push_back(chain[0]);
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

CommandOutput search_output(AppState& state, std::vector<int>& positions) {
    const Lane& lane = state.lanes[0];
    const std::int32_t result = search_positions(state, lane.seedIndex, lane.position);
    positions.assign(state.searchResults.begin(),
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

// The positions that hold whichever of the sequences the marks match it is, from lane 0's on.
void add_common(AppState& state, CommandOutput& output) {
    MarkArray marks{};
    const int markCount = parse_mark_pattern(state.markText, marks);
    CandidateList candidates;
    const int count = match_seeds(state.randomTable, marks, markCount, candidates);
    std::vector<std::int32_t> positions(kSearchEnd);
    const auto work = std::make_unique<PlanSearchResults>();
    const std::int32_t found = search_common(state, state.plan, candidates, count,
                                             state.lanes[0].position, *work, positions.data());
    positions.resize(static_cast<std::size_t>(std::max(found, 0)));
    output.json["common"] = {{"sequences", std::vector<int>(candidates, candidates + count)},
                             {"positions", positions}};
    std::string text = "どれでも：";
    for (std::size_t i = 0; i < positions.size(); ++i) {
        text.append(i == 0 ? "" : " ").append(std::to_string(positions[i]));
    }
    output.text += utf8_of((text + (positions.empty() ? "なし\n" : "\n")).c_str());
}

// For each position, what to spend from lane 0's and what run reports of lane 0 standing there:
// the action of the scenario as it was read, or each step of its plan.
void add_details(const AppState& state, const Action& scenario, const std::vector<int>& positions,
                 CommandOutput& output) {
    const Lane& lane = state.lanes[0];
    output.json["details"] = nlohmann::json::array();
    std::string text = positions.empty() ? "" : "詳細：\n";
    for (const int p : positions) {
        nlohmann::json detail = {{"position", p}, {"spend", p - lane.position}};
        std::string words;
        if (state.plan.stepCount > 0) {
            PlanRuns runs;
            const int ran = run_plan_chain(state.plan, state.randomTable, lane.seedIndex, p, runs);
            detail["steps"] = nlohmann::json::array();
            for (int k = 0; k < ran; ++k) {
                detail["steps"].push_back(log_json(runs[k]));
                words.append(k == 0 ? "" : "／").append(std::to_string(k + 1)).append(") ");
                words.append(std::to_string(runs[k].log.position)).append(" ");
                words.append(outcome_words(outcome_of(state.plan.steps[k], runs[k])));
            }
        } else {
            const SequenceRun run = run_action_at(scenario, state.randomTable, lane.seedIndex, p);
            detail["lane"] = log_json(run);
            words = outcome_words(outcome_of(scenario, run));
        }
        output.json["details"].push_back(detail);
        text.append("位置 ").append(std::to_string(p)).append("（消費 ");
        text.append(std::to_string(p - lane.position)).append("）：").append(words).append("\n");
    }
    output.text += utf8_of(text.c_str());
}

}  // namespace

CommandOutput command_search(const CommandLine& line) {
    check_arguments(line, 1, {"--marks", "--details"});
    bool hasMarks = false;
    const std::unique_ptr<AppState> owner =
        fresh_scenario_state(line.positionals[0], &cli_game_tables(line), &hasMarks);
    AppState& state = *owner;
    hasMarks = take_marks_option(line, state) || hasMarks;
    const Action scenario = state;  // as read: the search leaves its last battle's HP behind
    std::vector<int> positions;
    CommandOutput output = state.plan.stepCount > 0
                               ? search_plan_output(state, state.plan, positions)
                               : search_output(state, positions);
    if (hasMarks) {
        add_common(state, output);
    }
    if (line.options.count("--details") != 0) {
        add_details(state, scenario, positions, output);
    }
    return output;
}

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/lane_report.h"
#include "cli/scenario_state.h"
#include "search/session_search.h"
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

// The plan's chains: where each begins, and each step's start.
CommandOutput plan_output(const SessionSearch& search, int stepCount) {
    const std::int32_t result = search.found.result;
    CommandOutput output;
    output.json = {{"result", result},
                   {"positions", nlohmann::json::array()},
                   {"chains", nlohmann::json::array()}};
    std::string text = result > 0 ? "候補（行動ごとの開始位置）：\n" : "";
    for (const PlanChain& chain : search.chains) {
        output.json["positions"].push_back(chain[0]);
        output.json["chains"].push_back(std::vector<int>(chain.begin(), chain.begin() + stepCount));
        for (int k = 0; k < stepCount; ++k) {
            text += (k == 0 ? "" : " → ") + std::to_string(chain[k]);
        }
        text += "\n";
    }
    output.text = utf8_of((text + search_result_text(result)).c_str());
    return output;
}

CommandOutput positions_output(const SessionSearch& search) {
    const std::int32_t result = search.found.result;
    CommandOutput output;
    output.json = {{"result", result}, {"positions", search.found.positions}};
    std::string text;
    if (result > 0) {
        text = "候補：";
        for (int p : search.found.positions) {
            text += std::to_string(p) + " ";
        }
        text += "\n";
    }
    output.text = utf8_of((text + search_result_text(result)).c_str());
    return output;
}

// The positions that hold whichever of the sequences the marks match it is, from lane 0's on.
void add_common(const SessionSearch& search, CommandOutput& output) {
    output.json["common"] = {{"sequences", search.commonSequences},
                             {"positions", search.commonPositions}};
    std::string text = "どれでも：";
    for (std::size_t i = 0; i < search.commonPositions.size(); ++i) {
        text.append(i == 0 ? "" : " ").append(std::to_string(search.commonPositions[i]));
    }
    output.text += utf8_of((text + (search.commonPositions.empty() ? "なし\n" : "\n")).c_str());
}

// For each position, what to spend from lane 0's and what run reports of lane 0 standing there:
// the action, or each step of the plan.
void add_details(const Session& session, const RandomTable& table,
                 const std::vector<std::int32_t>& positions, CommandOutput& output) {
    const LaneCursor& lane = session.lanes[0];
    output.json["details"] = nlohmann::json::array();
    std::string text = positions.empty() ? "" : "詳細：\n";
    for (const int p : positions) {
        nlohmann::json detail = {{"position", p}, {"spend", p - lane.position}};
        std::string words;
        if (session.plan.stepCount > 0) {
            PlanRuns runs;
            const int ran = run_plan_chain(session.plan, table, lane.seedIndex, p, runs);
            detail["steps"] = nlohmann::json::array();
            for (int k = 0; k < ran; ++k) {
                detail["steps"].push_back(log_json(runs[k]));
                words.append(k == 0 ? "" : "／").append(std::to_string(k + 1)).append(") ");
                words.append(std::to_string(runs[k].log.position)).append(" ");
                words.append(outcome_words(outcome_of(session.plan.steps[k], runs[k])));
            }
        } else {
            const SequenceRun run = run_action_at(session.action, table, lane.seedIndex, p);
            detail["lane"] = log_json(run);
            words = outcome_words(outcome_of(session.action, run));
        }
        output.json["details"].push_back(detail);
        text.append("位置 ").append(std::to_string(p)).append("（ずれ ");
        text.append(std::to_string(p - lane.position)).append("）：").append(words).append("\n");
    }
    output.text += utf8_of(text.c_str());
}

}  // namespace

// Marks, from --marks or the scenario, add the common search on every sequence they match.
CommandOutput command_search(const CommandLine& line) {
    check_arguments(line, 1, {"--marks", "--details"});
    const Tables& tables = cli_tables(line, true);
    ScenarioRead scenario = read_scenario_file(line.positionals[0]);
    Session& session = scenario.session;
    const bool hasMarks = take_marks_option(line, session) || scenario.hasMarks;
    const SessionSearch search = search_session(
        session, tables, kShortSearchLimit, hasMarks ? CommonRule::kEveryMatch : CommonRule::kNone);
    CommandOutput output = session.plan.stepCount > 0 ? plan_output(search, session.plan.stepCount)
                                                      : positions_output(search);
    if (search.common) {
        add_common(search, output);
    }
    if (line.options.count("--details") != 0) {
        add_details(session, tables.randomTable, search.found.positions, output);
    }
    return output;
}

#include "cli/identify_advice.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/cli_context.h"
#include "random/mark_advice.h"
#include "random/near_match.h"
#include "state/telling_apart.h"

namespace {

using nlohmann::json;

std::string seed_list(const std::vector<int>& seeds) {
    std::string text;
    for (int seed : seeds) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(seed);
    }
    return text.empty() ? "なし" : text;
}

std::string change_text(const NearChange& change) {
    char text[64];
    std::snprintf(text, sizeof text, kChangeWords[change.kind], change.index);
    return text;
}

json change_json(const NearChange& change) {
    switch (change.kind) {
        case kChangeWrong:
            return {{"kind", "wrong"}, {"mark", change.index}};
        case kChangeExtra:
            return {{"kind", "extra"}, {"mark", change.index}};
        default:
            return {{"kind", "missing"}, {"position", change.index}};
    }
}

// What the player sees of one run: each value's use, in brackets when its test passed, and
// both units' HP after the battle when a battle was fought.
std::string outcome_text(const Action& action, const SequenceRun& run) {
    const ConsumptionLog& lane = run.log;
    std::string text;
    if (action.eventSwitches[kSwitchBattle] == 1) {
        text += "敵HP " + std::to_string(run.enemyHpAfterBattle) +
                (run.enemyHpAfterBattle <= 0 ? "（撃破）" : "") + "　味方HP " +
                std::to_string(run.allyHpAfterBattle) +
                (run.allyHpAfterBattle <= 0 ? "（倒れる）" : "") + "　";
    }
    text += "使い道";
    for (int i = 0; i < lane.count; ++i) {
        const std::string label = kConsumptionLabels[lane.codes[i]];
        text += " " + (lane.success[i] == 1 ? "[" + label + "]" : label);
    }
    return text + (lane.count == 0 ? " なし" : "");
}

}  // namespace

void add_next_mark(int markCount, const CandidateList& matches, int matchCount, json& out,
                   std::string& text) {
    NextMarkAdvice advice;
    advise_next_mark(cli_random_table(), markCount, matches, matchCount, advice);
    const std::vector<int> circle(advice.circle, advice.circle + advice.circleCount);
    const std::vector<int> cross(advice.cross, advice.cross + advice.crossCount);
    out["next"] = {{"position", advice.position},
                   {"o", circle},
                   {"x", cross},
                   {"marksToSettle", advice.marksToSettle},
                   {"sameMarks", json::array()}};
    text += "次の印（位置 " + std::to_string(advice.position) + "）：○→ " + seed_list(circle) +
            "　×→ " + seed_list(cross);
    if (advice.marksToSettle > 0) {
        text += "　あと " + std::to_string(advice.marksToSettle) + " 個";
    }
    text += "\n";
    const std::int32_t* member = advice.groupMembers;
    for (int g = 0; g < advice.groupCount; ++g) {
        const std::vector<int> group(member, member + advice.groupSizes[g]);
        member += advice.groupSizes[g];
        out["next"]["sameMarks"].push_back(group);
        text += "○×では見分けられない：" + seed_list(group) + "\n";
    }
}

void add_near_matches(const MarkArray& marks, int markCount, int tolerance, json& out,
                      std::string& text) {
    NearMatchList near;
    const int count = match_near(cli_random_table(), marks, markCount, tolerance, near);
    out["near"] = json::array();
    for (int m = 0; m < count; ++m) {
        const NearMatch& match = near[m];
        json::array_t changes;
        std::string words;
        for (int c = 0; c < match.changeCount; ++c) {
            changes.push_back(change_json(match.changes[c]));
            words += (c > 0 ? "、" : "") + change_text(match.changes[c]);
        }
        out["near"].push_back({{"seedIndex", match.seedIndex},
                               {"edits", match.edits},
                               {"lanePosition", match.lanePosition},
                               {"changes", changes}});
        text += "近い乱数列 " + std::to_string(match.seedIndex) + "：" +
                (words.empty() ? "違いなし" : words) + "（次は位置 " +
                std::to_string(match.lanePosition) + "）\n";
    }
    if (count == 0) {
        text += "近い乱数列：なし（違い " + std::to_string(tolerance) + " 個まで）\n";
    }
}

void add_outcomes(const Action& scenario, int markCount, const CandidateList& matches,
                  int matchCount, json& out, std::string& text) {
    const auto runs = std::make_unique<SequenceRuns>();
    run_on_sequences(scenario, cli_random_table(), matches, matchCount, markCount + 1, *runs);
    std::vector<json> seen;
    std::vector<std::vector<int>> seedsOf;
    std::vector<std::string> textOf;
    for (int m = 0; m < matchCount; ++m) {
        const SequenceRun& run = (*runs)[m];
        const ConsumptionLog& lane = run.log;
        const json outcome = {
            {"lanePosition", lane.position},
            {"codes", std::vector<int>(lane.codes.begin(), lane.codes.begin() + lane.count)},
            {"success", std::vector<int>(lane.success.begin(), lane.success.begin() + lane.count)},
            {"allyHpAfterBattle", run.allyHpAfterBattle},
            {"enemyHpAfterBattle", run.enemyHpAfterBattle}};
        const std::size_t same = std::find(seen.begin(), seen.end(), outcome) - seen.begin();
        if (same == seen.size()) {
            seen.push_back(outcome);
            seedsOf.emplace_back();
            textOf.push_back(outcome_text(scenario, run));
        }
        seedsOf[same].push_back(matches[m]);
    }
    out["outcomes"] = json::array();
    for (std::size_t k = 0; k < seen.size(); ++k) {
        json outcome = seen[k];
        outcome["seedIndexes"] = seedsOf[k];
        out["outcomes"].push_back(outcome);
        text += seed_list(seedsOf[k]) + "：" + textOf[k] + "\n";
    }
}

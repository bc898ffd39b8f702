#include "cli/lane_report.h"

#include <algorithm>
#include <cstdio>

#include "cli/cli_context.h"
#include "random/marks.h"

namespace {

constexpr int kLaneWidth = 32;

std::string cell(const char* text) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%-4s", text);
    return buffer;
}

}  // namespace

// One lane as the window draws it, in rows of 32 columns: the values, their marks, and each
// log entry's label under the value it used, in brackets when its test passed.
std::string lane_text(const RandomTable& table, const Action& action, const ConsumptionLog& lane) {
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
            const int d = display_value(random_value(table, lane.seedIndex, lane.position + j));
            char number[16];
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
    if (action.predictSwitch == 1 && lane.predictEnd > lane.predictStart) {
        text += "予測消費：" + std::to_string(lane.predictStart) + "〜" +
                std::to_string(lane.predictEnd - 1) + "番目\n";
    }
    return text;
}

nlohmann::json log_json(const SequenceRun& run) {
    const ConsumptionLog& lane = run.log;
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
            {"allyHpAfterBattle", run.allyHpAfterBattle},
            {"enemyHpAfterBattle", run.enemyHpAfterBattle}};
}

std::string log_text(const RandomTable& table, const Action& action, const SequenceRun& run) {
    if (action.eventSwitches[kSwitchBattle] != 1) {
        return lane_text(table, action, run.log) + "\n";
    }
    char hp[160];
    std::snprintf(hp, sizeof hp, "ＨＰ：%s %d→%d　%s %d→%d\n\n", action.ally.name, action.ally.hp,
                  run.allyHpAfterBattle, action.enemy.name, action.enemy.hp,
                  run.enemyHpAfterBattle);
    return lane_text(table, action, run.log) + hp;
}

nlohmann::json run_plan_on_lane(const TurnPlan& plan, const RandomTable& table,
                                const LaneCursor& lane, std::string& text) {
    PlanRuns runs;
    const int ran = run_plan_chain(plan, table, lane.seedIndex, lane.position, runs);
    nlohmann::json steps = nlohmann::json::array();
    for (int k = 0; k < ran; ++k) {
        steps.push_back(log_json(runs[k]));
        text += "行動" + std::to_string(k + 1) + "\n" + log_text(table, plan.steps[k], runs[k]);
    }
    return {{"seedIndex", lane.seedIndex}, {"position", lane.position}, {"steps", steps}};
}

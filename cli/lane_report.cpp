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

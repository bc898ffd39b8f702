#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/lane_report.h"
#include "cli/scenario_state.h"
#include "sim/consumption_estimate.h"

namespace {

// The state the program would have after start-up and the scenario's dialogs.
std::unique_ptr<AppState> scenario_state(const CommandLine& line) {
    check_arguments(line, 1, {});
    return fresh_scenario_state(line.positionals[0], &cli_game_tables(line));
}

}  // namespace

CommandOutput command_run(const CommandLine& line) {
    const std::unique_ptr<AppState> owner = scenario_state(line);
    const AppState& state = *owner;
    CommandOutput output;
    output.json = {{"lanes", nlohmann::json::array()}};
    std::string text;
    for (const Lane& lane : state.lanes) {
        if (state.plan.stepCount > 0) {
            output.json["lanes"].push_back(run_plan_on_lane(state, lane, text));
            continue;
        }
        const SequenceRun run =
            run_action_at(state, state.randomTable, lane.seedIndex, lane.position);
        output.json["lanes"].push_back(log_json(run));
        text += log_text(state.randomTable, state, run);
    }
    output.text = utf8_of(text.c_str());
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

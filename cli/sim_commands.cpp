#include <string>

#include "cli/cli_context.h"
#include "cli/lane_report.h"
#include "cli/scenario_state.h"
#include "sim/consumption_estimate.h"

CommandOutput command_run(const CommandLine& line) {
    check_arguments(line, 1, {});
    const Tables& tables = cli_tables(line, true);
    const Session session = read_scenario_file(line.positionals[0]).session;
    CommandOutput output;
    output.json = {{"lanes", nlohmann::json::array()}};
    std::string text;
    for (const LaneCursor& lane : session.lanes) {
        if (session.plan.stepCount > 0) {
            output.json["lanes"].push_back(
                run_plan_on_lane(session.plan, tables.randomTable, lane, text));
            continue;
        }
        const SequenceRun run =
            run_action_at(session.action, tables.randomTable, lane.seedIndex, lane.position);
        output.json["lanes"].push_back(log_json(run));
        text += log_text(tables.randomTable, session.action, run);
    }
    output.text = utf8_of(text.c_str());
    return output;
}

// The top-level units; steps are checked but play no part.
CommandOutput command_estimate(const CommandLine& line) {
    check_arguments(line, 1, {});
    cli_tables(line, true);  // read, as every command that simulates reads them
    const Session session = read_scenario_file(line.positionals[0]).session;
    const std::int32_t estimate =
        estimate_battle_consumption(session.action.ally, session.action.enemy);
    CommandOutput output;
    output.json = {{"estimate", estimate}};
    output.text = utf8_of(("戦闘の消費見込み：" + std::to_string(estimate) + "\n").c_str());
    return output;
}

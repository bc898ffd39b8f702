#include "cli/scenario_state.h"

#include "cli/cli_context.h"
#include "cli/scenario.h"

std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables) {
    auto state = std::make_unique<AppState>();
    if (tables != nullptr) {
        static_cast<GameTables&>(*state) = *tables;
    }
    state->randomTable = cli_random_table();
    set_lane_defaults(*state);
    set_unit_defaults(*state);
    set_condition_defaults(*state);
    apply_scenario_file(path, *state);
    return state;
}

void run_lane_events(AppState& state, Lane& lane) {
    run_events(state.ally, state.enemy, lane, state.predictSwitch, state.eventSwitches,
               state.randomTable.sequences[lane.seedIndex], state.growthRates);
}

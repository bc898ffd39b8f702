#include "cli/scenario_state.h"

#include "cli/cli_context.h"
#include "cli/scenario.h"

std::unique_ptr<AppState> fresh_scenario_state(const std::string& path, const GameTables* tables,
                                               TurnPlan* plan) {
    auto state = std::make_unique<AppState>();
    if (tables != nullptr) {
        static_cast<GameTables&>(*state) = *tables;
    }
    state->randomTable = cli_random_table();
    set_start_up_defaults(*state);
    if (plan != nullptr) {
        apply_scenario_file(path, *state, *plan);
    } else {
        apply_scenario_file(path, *state);
    }
    return state;
}

#pragma once

#include <memory>
#include <string>

#include "random/random_table.h"
#include "state/app_state.h"
#include "state/scenario_file.h"
#include "text/open_file.h"
#include "text/scenario_codec.h"

// The worked battle of the samples, as a session opens it: its ally with 連続 against its enemy
// with 反撃, lane 0 at position 1 of sequence 0.
inline std::unique_ptr<AppState> worked_battle() {
    auto state = std::make_unique<AppState>();
    generate_random_tables(state->randomTable);
    set_start_up_defaults(*state);
    std::string text;
    read_whole_file(std::string(SORAMITO_SAMPLES_DIR) + "/worked-battle.json", text);
    read_scenario(text, kScenarioCodec, *state);
    return state;
}

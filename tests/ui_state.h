#pragma once

#include <cstring>

#include "data/app_state.h"
#include "test_tables.h"
#include "worked_units.h"

// The state right after a successful start-up, with no unit chosen yet.
inline AppState& started_state() {
    static AppState* state = new AppState{};
    AppState& s = *state;
    s = AppState{};
    s.randomTable = generated_table();
    set_lane_defaults(s);
    set_unit_defaults(s);
    set_condition_defaults(s);
    return s;
}

// The same after the status dialog has set the worked units, their rates and both lanes.
inline AppState& status_set_state() {
    AppState& s = started_state();
    s.allyUnitCount = 1;
    std::strcpy(s.allyUnits[0].name, "アルト");
    s.growthTable[0] = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};
    s.growthRates = s.growthTable[0];
    s.ally = worked_attacker();
    s.enemy = worked_defender();
    rerun_both_lanes(s);
    return s;
}

#pragma once

#include <memory>
#include <string>

#include "state/scenario_file.h"
#include "state/tables.h"
#include "text/open_file.h"
#include "text/scenario_codec.h"

// The sequences, and an ally アルト with the worked rates.
inline const Tables& bench_tables() {
    static Tables tables;
    [[maybe_unused]] static const bool made = [] {
        generate_random_tables(tables.randomTable);
        tables.allyUnitCount = 1;
        std::char_traits<char>::copy(tables.allyUnits[0].name, "アルト", sizeof "アルト");
        tables.growthTable[0] = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};
        return true;
    }();
    return tables;
}

// The worked battle of the samples, as a session opens it: its ally with 連続 against its enemy
// with 反撃, lane 0 at position 1 of sequence 0.
inline Session worked_battle() {
    std::string text;
    read_whole_file(std::string(SORAMITO_SAMPLES_DIR) + "/worked-battle.json", text);
    return read_scenario(text, kScenarioCodec).session;
}

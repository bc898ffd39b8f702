#pragma once

// Random scenarios for the window's tests: what the dialogs can show.

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "data/growth_file.h"
#include "data/unit_file.h"
#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "worked_units.h"

// The sample start-up files' tables and the sequences, read once.
inline std::unique_ptr<AppState> sample_tables() {
    auto tables = std::make_unique<AppState>(started_state());
    const std::string samples = SORAMITO_SAMPLES_DIR;
    EXPECT_TRUE(load_unit_file((samples + "/character.txt").c_str(), *tables));
    EXPECT_TRUE(load_growth_file((samples + "/grow.txt").c_str(), *tables));
    return tables;
}

// A scenario the dialogs can show: units from the tables with their own factors, flags of 0 or
// 1, figures the session holds, and the rates the ally's books give.
inline std::unique_ptr<AppState> random_scenario(const AppState& tables, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    const auto fill = [&pick](auto& values, int high) {
        for (auto& value : values) {
            value = pick(0, high);
        }
    };
    auto state = std::make_unique<AppState>(tables);
    const int allyRow = pick(0, tables.allyUnitCount - 1);
    const int enemyRow = pick(0, tables.enemyUnitCount - 1);
    for (const auto& [unit, row] : {std::pair{&state->ally, &tables.allyUnits[allyRow]},
                                    std::pair{&state->enemy, &tables.enemyUnits[enemyRow]}}) {
        std::strcpy(unit->name, row->name);
        unit->followUpCritFactor = row->followUpCritFactor;
        fill(unit->skills, 1);
        for (const FigureBox& box : kFigureBoxes) {
            unit->*box.field =
                pick(0, 1) == 0 ? pick(box.first, box.last) : pick(kLowestFigure, kHighestFigure);
        }
    }
    fill(state->eventSwitches, 1);
    state->predictSwitch = state->eventSwitches[kSwitchBattle] == 1 ? pick(0, 1) : 0;
    for (BattleResultCondition* condition : {&state->allyCondition, &state->enemyCondition}) {
        *condition = {pick(0, 6), pick(kLowestFigure, kHighestFigure),
                      static_cast<std::uint8_t>(pick(0, 1))};
    }
    fill(state->levelUpWanted, 2);
    fill(state->booksHeld, 1);
    StatRates rates{};
    compute_growth_rates(tables.growthTable[allyRow], state->booksHeld, rates);
    std::copy(rates.begin(), rates.end(), state->growthRates.begin());
    state->growthRates[kReMoveRateIndex] = tables.growthTable[allyRow][kReMoveRateIndex];
    return state;
}

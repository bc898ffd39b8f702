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
#include "window_states.h"

// The sample start-up files' tables and the sequences.
inline std::unique_ptr<Tables> sample_tables() {
    auto tables = std::make_unique<Tables>();
    generate_random_tables(tables->randomTable);
    const std::string samples = SORAMITO_SAMPLES_DIR;
    EXPECT_TRUE(load_unit_file((samples + "/character.txt").c_str(), *tables));
    EXPECT_TRUE(load_growth_file((samples + "/grow.txt").c_str(), *tables));
    return tables;
}

// A state on the tables whose action the dialogs can show: units from the tables with their own
// factors, flags of 0 or 1, figures the session holds, and the rates the ally's books give.
inline std::unique_ptr<WindowState> random_scenario(const Tables& tables, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    const auto fill = [&pick](auto& values, int high) {
        for (auto& value : values) {
            value = pick(0, high);
        }
    };
    auto state = std::make_unique<WindowState>(fresh_window_state(tables));
    Action& action = state->session.action;
    const int allyRow = pick(0, tables.allyUnitCount - 1);
    const int enemyRow = pick(0, tables.enemyUnitCount - 1);
    for (const auto& [unit, row] : {std::pair{&action.ally, &tables.allyUnits[allyRow]},
                                    std::pair{&action.enemy, &tables.enemyUnits[enemyRow]}}) {
        std::strcpy(unit->name, row->name);
        unit->followUpCritFactor = row->followUpCritFactor;
        fill(unit->skills, 1);
        for (const FigureBox& box : kFigureBoxes) {
            unit->*box.field =
                pick(0, 1) == 0 ? pick(box.first, box.last) : pick(kLowestFigure, kHighestFigure);
        }
    }
    fill(action.eventSwitches, 1);
    action.predictSwitch = action.eventSwitches[kSwitchBattle] == 1 ? pick(0, 1) : 0;
    for (BattleResultCondition* condition : {&action.allyCondition, &action.enemyCondition}) {
        *condition = {pick(0, 6), pick(kLowestFigure, kHighestFigure),
                      static_cast<std::uint8_t>(pick(0, 1))};
    }
    fill(action.levelUpWanted, 2);
    fill(action.booksHeld, 1);
    StatRates rates{};
    compute_growth_rates(tables.growthTable[allyRow], action.booksHeld, rates);
    std::copy(rates.begin(), rates.end(), action.growthRates.begin());
    action.growthRates[kReMoveRateIndex] = tables.growthTable[allyRow][kReMoveRateIndex];
    refresh_shown(*state);
    return state;
}

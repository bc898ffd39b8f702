#pragma once

#include <array>
#include <cstdint>

#include "data/game_tables.h"
#include "data/unit_record.h"
#include "random/random_table.h"
#include "sim/consumption_log.h"

// [0] 移動, [1] 戦闘, [2] レベルアップ, [3] 再行動; a switch is on only when exactly 1.
using EventSwitches = std::array<std::int32_t, 4>;
constexpr int kSwitchMove = 0;
constexpr int kSwitchBattle = 1;
constexpr int kSwitchLevelUp = 2;
constexpr int kSwitchReMove = 3;

// The nine growth rates in stat order, then the re-move rate.
using GrowthRates = GrowthRecord;

// Rebuilds the log from entry 0: the predicted battle and the battle, the level-up, then the
// re-move, as switched on. Entries that do not fit the log's 256 are not written.
void run_events(CombatantState& attacker, CombatantState& defender, ConsumptionLog& log,
                std::int32_t predictFlag, const EventSwitches& switches, const Sequence& sequence,
                const GrowthRates& rates);

// These two compare the stored value itself with the rate.
void consume_level_up(ConsumptionLog& log, const Sequence& sequence, const GrowthRates& rates);
void consume_re_move(ConsumptionLog& log, const Sequence& sequence, const GrowthRates& rates);

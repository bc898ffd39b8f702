#pragma once

#include <cstdint>

#include "data/unit_record.h"

// The number of values a battle of the two is taken to use: every strike that could happen at
// a fixed number of entries, without the 祈り, 流星 and 連続 tests. At least 6.
std::int32_t estimate_battle_consumption(const CombatantState& attacker,
                                         const CombatantState& defender);

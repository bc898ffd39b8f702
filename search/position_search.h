#pragma once

#include <cstdint>

#include "data/app_state.h"

constexpr int kSearchEnd = 4005;  // positions scanned stop before this one
constexpr int kShortSearchLimit = 11;
constexpr std::int32_t kSearchBadWish = -1;  // a wanted stat that cannot grow as wished
constexpr std::int32_t kSearchNoWish = -2;   // level-up wanted, but no stat narrows the scan

// Scans sequence seedIndex from startPosition for the positions where the switched-on events
// give what the conditions want; fills state.searchResults and returns their count, or -1/-2.
// Both units' hpAfterBattle hold the last battle simulated; nothing else of the state changes.
std::int32_t search_positions(AppState& state, int seedIndex, int startPosition);

// Whether the battle just simulated into log meets both sides' battle-result conditions.
bool battle_result_met(const AppState& state, const ConsumptionLog& log);

#pragma once

#include <cstdint>

#include "search/position_tests.h"
#include "state/app_state.h"

constexpr int kShortSearchLimit = 11;

// Scans sequence seedIndex from startPosition for the positions where the switched-on events
// give what the conditions want; fills state.searchResults and returns their count, or -1/-2.
// The battle and re-move searches stop at limit results (the level-up ones never do). Both
// units' hpAfterBattle hold the last battle simulated; nothing else of the state changes.
std::int32_t search_positions(AppState& state, int seedIndex, int startPosition,
                              int limit = kShortSearchLimit);

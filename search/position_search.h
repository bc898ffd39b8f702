#pragma once

#include <cstdint>
#include <vector>

#include "search/position_tests.h"
#include "state/tables.h"

constexpr int kShortSearchLimit = 11;

// What a search found: the positions ascending (the level-up-after-battle mode lists them by the
// level-up they lead to), and result, their count, or -1/-2 when the level-up wishes cannot be
// searched (then no position).
struct SearchFound {
    std::int32_t result;
    std::vector<std::int32_t> positions;
};

// Scans sequence seedIndex from startPosition for the positions where the action's switched-on
// events give what its conditions want. The battle and re-move searches stop at limit results
// (the level-up ones never do).
SearchFound search_positions(const Action& action, const Tables& tables, int seedIndex,
                             int startPosition, int limit = kShortSearchLimit);

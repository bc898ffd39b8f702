#pragma once

#include <cstdint>

// The range of a unit's figures, a battle-result condition's n and a growth rate: what a session
// file holds and the boxes take. A figure outside it would make a session that cannot be read
// back.
constexpr std::int32_t kLowestFigure = -999;
constexpr std::int32_t kHighestFigure = 9999;

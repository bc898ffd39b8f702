#pragma once

#include <array>
#include <cstdint>

#include "data/game_tables.h"

constexpr int kBookCount = 12;

using BookFlags = std::array<std::int32_t, kBookCount>;
using StatRates = std::array<std::int32_t, kStatCount>;

// Points each level-up book adds to the nine growth rates, in the order ヘズル バルド セティ
// オード ネール ファラ ヘイム ダイン ウル ブラギ ノヴァ トード.
extern const std::int32_t kBookBonuses[kBookCount][kStatCount];

// The record's first nine rates plus the bonuses of every book whose flag is exactly 1. Nothing
// is clamped to 0..100, but a sum beyond the 32-bit range saturates.
void compute_growth_rates(const GrowthRecord& record, const BookFlags& booksHeld, StatRates& rates);

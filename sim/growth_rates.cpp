#include "sim/growth_rates.h"

#include <algorithm>
#include <limits>

const std::int32_t kBookBonuses[kBookCount][kStatCount] = {
    {30, 10, 0, 0, 0, 0, 0, -10, 0},    // ヘズルの書
    {5, 5, 0, 5, 5, 5, 0, 5, 0},        // バルドの書
    {-10, 0, 10, 0, 30, 0, 0, 0, 0},    // セティの書
    {0, 0, 0, 30, 0, 0, 0, 0, 0},       // オードの書
    {10, 10, 0, -10, 0, 10, 10, 0, 0},  // ネールの書
    {0, 5, 5, 10, 10, 0, 0, 0, 0},      // ファラの書
    {0, 0, 30, 0, 0, -10, 0, 10, 0},    // ヘイムの書
    {0, 5, 0, 0, -10, 30, 0, 0, 5},     // ダインの書
    {0, 0, 0, 10, 10, 0, 0, 10, 0},     // ウルの書
    {0, -10, 10, 0, 0, 0, 0, 30, 0},    // ブラギの書
    {0, 30, -10, 0, 10, 5, 0, -5, 0},   // ノヴァの書
    {5, 5, 5, 10, 0, 0, 0, 5, 0},       // トードの書
};

void compute_growth_rates(const GrowthRecord& record, const BookFlags& booksHeld,
                          StatRates& rates) {
    for (int stat = 0; stat < kStatCount; ++stat) {
        std::int64_t rate = record[stat];
        for (int book = 0; book < kBookCount; ++book) {
            if (booksHeld[book] == 1) {
                rate += kBookBonuses[book][stat];
            }
        }
        rates[stat] = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(rate, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    }
}

#include <gtest/gtest.h>

#include <limits>

#include "sim/growth_rates.h"

namespace {

BookFlags books(std::initializer_list<int> held) {
    BookFlags flags{};
    for (int b : held) {
        flags[b] = 1;
    }
    return flags;
}

TEST(GrowthRates, AddTheBonusesOfTheBooksHeld) {
    const GrowthRecord base = {80, 50, 10, 40, 70, 30, 5, 5, 0, 30};
    struct Case {
        const char* name;
        BookFlags held;
        StatRates expected;
    };
    const Case cases[] = {
        {"no book", books({}), {80, 50, 10, 40, 70, 30, 5, 5, 0}},
        {"all twelve", books({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
         {120, 110, 60, 95, 125, 70, 15, 50, 5}},
        {"ヘズル", books({0}), {110, 60, 10, 40, 70, 30, 5, -5, 0}},
        {"ネール changes 体", books({4}), {90, 60, 10, 30, 70, 40, 15, 5, 0}},
        {"ダイン changes 移", books({7}), {80, 55, 10, 40, 60, 60, 5, 5, 5}},
        {"セティ and ウル", books({2, 8}), {70, 50, 20, 50, 110, 30, 5, 15, 0}},
        {"a flag of 2 is not held", BookFlags{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
         {80, 50, 10, 40, 70, 30, 5, 5, 0}},
    };
    for (const Case& c : cases) {
        StatRates rates{};
        compute_growth_rates(base, c.held, rates);
        EXPECT_EQ(rates, c.expected) << c.name;
    }
    for (const auto& row : kBookBonuses) {
        int sum = 0;
        for (int v : row) {
            sum += v;
        }
        EXPECT_EQ(sum, 30);
    }
}

TEST(GrowthRates, SaturateAtTheEndsOfThe32BitRange) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const GrowthRecord extreme = {kMax, kMin, 0, 0, 0, 0, 0, kMin, 0, 0};
    StatRates rates{};
    compute_growth_rates(extreme, books({0}), rates);
    EXPECT_EQ(rates[0], kMax);
    EXPECT_EQ(rates[1], kMin + 10);
    EXPECT_EQ(rates[7], kMin);
}

}  // namespace

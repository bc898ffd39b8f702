#include <gtest/gtest.h>

#include <vector>

#include "random/random_table.h"
#include "test_tables.h"

namespace {

struct ReferenceRun {
    int seed;
    int from;
    std::vector<int> stored;
};

TEST(RandomTable, ReproducesTheReferenceValues) {
    const std::vector<ReferenceRun> runs = {
        {0, 0, {4, 13, 55, 41, 47, 47, 29, 90, 54, 6}},
        {0, 55, {87, 34, 63, 91, 52, 70, 89, 48, 38, 21}},
        {0, 110, {18, 93, 92, 45, 14}},
        {0, 5000, {69, 72, 32, 44, 60}},
        {1, 0, {4, 53, 55, 61, 27, 7, 49, 90, 94, 46}},
        {1, 55, {27, 14, 83, 51, 32, 50, 9, 28, 18, 61}},
        {1, 110, {78, 93, 72, 5, 34}},
        {1, 5000, {49, 72, 92, 4, 20}},
        {63, 0, {99, 91, 0, 60, 48, 24, 38, 25, 87, 89}},
        {63, 55, {80, 30, 67, 78, 53, 36, 48, 59, 59, 29}},
        {63, 110, {20, 28, 63, 52, 88}},
        {63, 5000, {10, 2, 64, 16, 82}},
    };
    const RandomTable& table = generated_table();
    for (const ReferenceRun& run : runs) {
        for (std::size_t i = 0; i < run.stored.size(); ++i) {
            const int position = run.from + static_cast<int>(i);
            EXPECT_EQ(random_value(table, run.seed, position), run.stored[i])
                << "seed " << run.seed << " position " << position;
        }
    }
}

TEST(RandomTable, FirstBlockIsTheSeedRowAndEveryValueIsInRange) {
    const RandomTable& table = generated_table();
    for (int s = 0; s < kSeedCount; ++s) {
        for (int p = 0; p < kBlockLength; ++p) {
            ASSERT_EQ(random_value(table, s, p), kSeedTable[s][p]) << s << "/" << p;
        }
        for (int p = 0; p < kSequenceLength; ++p) {
            const int v = random_value(table, s, p);
            ASSERT_TRUE(v >= 0 && v <= 99) << s << "/" << p << " = " << v;
        }
    }
}

TEST(RandomTable, GrowsPastTheGameBlocksWithTheSameStep) {
    const RandomTable& table = generated_table();
    const Sequence& sequence = table.sequences[7];
    std::int32_t next[kBlockLength];
    next_block(std::span<const std::int32_t, kBlockLength>(sequence + 94 * kBlockLength,
                                                           kBlockLength),
               next);
    for (int i = 0; i < kBlockLength; ++i) {
        EXPECT_EQ(sequence[95 * kBlockLength + i], next[i]);
    }
    EXPECT_EQ(kSequenceLength, 5280);
}

TEST(DisplayValue, MapsStoredValues) {
    const int cases[][2] = {{0, 99}, {1, 0}, {2, 1}, {50, 49}, {99, 98}};
    for (const auto& c : cases) {
        EXPECT_EQ(display_value(c[0]), c[1]) << c[0];
    }
    const RandomTable& table = generated_table();
    EXPECT_EQ(display_value(random_value(table, 63, 2)), 99);
    const int expected[] = {3, 12, 54, 40, 46, 46, 28, 89, 53, 5, 29, 32, 48, 13, 11, 76};
    for (int p = 0; p < 16; ++p) {
        EXPECT_EQ(display_value(random_value(table, 0, p)), expected[p]) << p;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/growth_file.h"

namespace {

std::string lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line;
    }
    return text;
}

const GameTables& read_growth(const std::string& text) {
    static GameTables tables;
    tables = GameTables{};
    TextReader reader = reader_over_bytes(text);
    read_growth_file(reader, tables);
    return tables;
}

const GrowthRecord kRow = {80, 50, 10, 40, 60, 30, 5, 45, 0, 30};
const GrowthRecord kZero = {};

TEST(GrowthFile, ReadsRecordsAndStopsWhereTheScanStops) {
    struct Case {
        std::string name;
        std::string text;
        std::vector<std::pair<int, GrowthRecord>> rows;  // expected rows; others are zero
    };
    const std::string row = "80,50,10,40,60,30,5,45,0,30\r\n";
    const std::vector<Case> cases = {
        {"ten lines", lines(10, row), {{0, kRow}, {9, kRow}, {10, kZero}, {51, kZero}}},
        {"sixty lines", lines(60, row), {{0, kRow}, {51, kRow}, {52, kZero}}},
        {"LF and blank lines", "1,2,3,4,5,6,7,8,9,10\n\n\n-1,+2,3,4,5,6,7,8,9,10",
         {{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {1, {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}}},
        {"nine fields", "1,2,3,4,5,6,7,8,9\n" + row,
         {{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}}, {1, kRow}}},
        {"eleven fields", "1,2,3,4,5,6,7,8,9,10,11\n" + row,
         {{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {1, kZero}, {2, kZero}}},
        {"a non-numeric field", row + "1,2,x,4,5,6,7,8,9,10\n" + row,
         {{0, kRow}, {1, {1, 2, 0, 0, 0, 0, 0, 0, 0, 0}}, {2, kZero}}},
        {"a space before a comma", "1 ,2,3,4,5,6,7,8,9,10\n" + row,
         {{0, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, {1, kZero}}},
        {"numbers beyond 32 bits", "99999999999,-99999999999,3,4,5,6,7,8,9,10\n",
         {{0, {2147483647, -2147483647 - 1, 3, 4, 5, 6, 7, 8, 9, 10}}}},
        {"empty", "", {{0, kZero}}},
    };
    for (const Case& c : cases) {
        const GameTables& tables = read_growth(c.text);
        for (const auto& [index, expected] : c.rows) {
            EXPECT_EQ(tables.growthTable[index], expected) << c.name << ", row " << index;
        }
    }
}

TEST(GrowthFile, NeverFillsMoreThanFiftyTwoRows) {
    const GameTables& tables = read_growth(lines(300, "1,1,1,1,1,1,1,1,1,1\n"));
    EXPECT_EQ(tables.growthTable[51][9], 1);
    for (int r = 52; r < kGrowthTableCapacity; ++r) {
        ASSERT_EQ(tables.growthTable[r], kZero) << r;
    }
}

TEST(GrowthFile, ReportsAFileThatCannotBeOpened) {
    GameTables tables{};
    EXPECT_FALSE(load_growth_file("/nonexistent/grow.txt", tables));
    EXPECT_FALSE(load_growth_file("/", tables));
    EXPECT_TRUE(load_growth_file(SORAMITO_SAMPLES_DIR "/grow.txt", tables));
    EXPECT_EQ(tables.growthTable[0], kRow);
}

}  // namespace

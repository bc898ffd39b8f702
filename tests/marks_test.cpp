#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "random/marks.h"
#include "test_tables.h"

namespace {

std::vector<Mark> parse(const std::string& text) {
    MarkArray marks{};
    const int n = parse_mark_pattern(text.c_str(), marks);
    return std::vector<Mark>(marks, marks + n);
}

TEST(Marks, CircleResiduesGiveFiftyTwoCircles) {
    const std::vector<int> circles = {0,  2,  5,  7,  8,  10, 11, 13, 16, 19, 21, 22, 24,
                                      25, 27, 30, 32, 33, 35, 36, 38, 41, 44, 46, 47, 49,
                                      50, 52, 55, 57, 58, 60, 61, 63, 66, 69, 71, 72, 74,
                                      75, 77, 80, 82, 83, 85, 86, 88, 91, 94, 96, 97, 99};
    std::vector<int> found;
    for (int d = 0; d <= 99; ++d) {
        if (mark_of(d) == 1) {
            found.push_back(d);
        } else {
            EXPECT_EQ(mark_of(d), 0);
        }
    }
    EXPECT_EQ(found, circles);
}

TEST(Marks, ParsesTypedText) {
    struct Case {
        std::string text;
        std::vector<Mark> marks;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"abd 123\r\n", {}},
        {"abc", {1}},
        {"o×xC", {1, 0, 0, 1}},
        {"ox", {1, 0}},
        {"○×", {1, 0}},
        {"●◎OCX", {1, 1, 1, 1, 0}},
        // a trailing lead byte is skipped
        {"o\x81", {1}},
        // 0x81 0x7E that begins inside another character is still read as ×
        {"\x88\x81\x7E", {0}},
        // full-width letters and other double-byte text are skipped
        {"ｏｘ候補", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse(c.text), c.marks) << c.text;
    }
}

TEST(Marks, OnlyTheFirst499BytesCount) {
    EXPECT_EQ(parse(std::string(5000, 'o')).size(), 499u);
    // A double-byte mark cut at the 499th byte is not read.
    const std::string cut = std::string(498, ' ') + "\x81\x9B";
    EXPECT_TRUE(parse(cut).empty());
    EXPECT_EQ(parse(std::string(497, ' ') + "\x81\x9B").size(), 1u);
}

TEST(Marks, MatchesSeeds) {
    const RandomTable& table = generated_table();
    // The source is compiled to Shift-JIS, so these literals are the bytes the box would hold.
    const std::string sequenceZero = "×××○○×××○×○×○○×○×○○×";
    struct Case {
        std::string text;
        int count;
        std::vector<int> candidates;
    };
    const std::vector<Case> cases = {
        {sequenceZero, 3, {0, 16, 51}},
        {"", 0, {}},
        {"xxxooxxxoxoxooxoxooxoooooooooooooooooooo", 0, {}},
    };
    for (const Case& c : cases) {
        MarkArray marks{};
        const int n = parse_mark_pattern(c.text.c_str(), marks);
        CandidateList candidates{};
        EXPECT_EQ(match_seeds(table, marks, n, candidates), c.count) << c.text;
        EXPECT_EQ(std::vector<int>(candidates, candidates + c.count), c.candidates);
    }
    for (int p = 1; p <= 20; ++p) {
        EXPECT_EQ(mark_of(display_value(random_value(table, 0, p))),
                  std::string("xxxooxxxoxoxooxoxoox")[p - 1] == 'o' ? 1 : 0)
            << p;
    }
}

TEST(Marks, EveryMatchingSeedIsListedWhenAllMatch) {
    MarkArray marks{};
    CandidateList candidates{};
    EXPECT_EQ(match_seeds(generated_table(), marks, 0, candidates), 0);
    for (int s = 0; s < kSeedCount; ++s) {
        EXPECT_EQ(candidates[s], s);
    }
}

}  // namespace

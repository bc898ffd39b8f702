#include <numeric>

#include "random/marks.h"
#include "random/near_match.h"
#include "worked_units.h"

namespace {

TEST(RandomTable, ReproducesTheReferenceValues) {
    // sequence, first position, stored values from there; from 5005 on, the grown blocks
    const std::vector<std::tuple<int, int, std::vector<int>>> runs = {
        // clang-format off
        {0, 0, {4, 13, 55, 41, 47, 47, 29, 90, 54, 6}}, {0, 55, {87, 34, 63, 91, 52, 70, 89, 48}},
        {0, 5000, {69, 72, 32, 44, 60, 33, 20}}, {0, 5275, {4, 47, 74, 83, 73}},
        {1, 0, {4, 53, 55, 61, 27, 7, 49, 90}}, {1, 55, {27, 14, 83, 51, 32, 50, 9, 28, 18, 61}},
        {63, 0, {99, 91, 0, 60, 48, 24, 38, 25}}, {63, 55, {80, 30, 67, 78, 53, 36, 48, 59, 59}},
        {63, 5000, {10, 2, 64, 16, 82, 0, 59, 46}}, {63, 5276, {27, 59, 0, 75}}};
    // clang-format on
    for (const auto& [seed, from, stored] : runs) {
        std::vector<int> got;
        for (int p = from; p < from + static_cast<int>(stored.size()); ++p) {
            got.push_back(random_value(generated_table(), seed, p));
        }
        EXPECT_EQ(got, stored) << "sequence " << seed << " from " << from;
    }
    EXPECT_EQ(std::make_tuple(display_value(0), display_value(1), display_value(99)),
              std::make_tuple(99, 0, 98));
}

std::vector<Mark> parse(const std::string& text) {
    MarkArray marks{};
    return std::vector<Mark>(marks, marks + parse_mark_pattern(text.c_str(), marks));
}

TEST(Marks, ParseTypedTextAndMatchTheSeedsOrNearlyMatchThem) {
    // A trailing lead byte is skipped; 0x81 0x7E that begins inside another character is still
    // read as ×; full-width letters and other double-byte text are skipped.
    const std::vector<std::pair<std::string, std::vector<Mark>>> cases = {
        {"", {}},        {"abd 123\r\n", {}},        {"abc", {1}},   {"o×xC", {1, 0, 0, 1}},
        {"○×", {1, 0}},  {"●◎OCX", {1, 1, 1, 1, 0}}, {"o\x81", {1}}, {"\x88\x81\x7E", {0}},
        {"ｏｘ候補", {}}};
    for (const auto& [text, marks] : cases) {
        EXPECT_EQ(parse(text), marks) << text;
    }
    EXPECT_EQ(parse(std::string(5000, 'o')).size(), 499u);
    // A double-byte mark cut at the 499th byte is not read.
    EXPECT_TRUE(parse(std::string(498, ' ') + "\x81\x9B").empty());
    EXPECT_EQ(parse(std::string(497, ' ') + "\x81\x9B").size(), 1u);
    std::vector<int> everySeed(kSeedCount);
    std::iota(everySeed.begin(), everySeed.end(), 0);
    // With no mark every sequence matches: the count is 0, but all of them are listed.
    const std::vector<std::tuple<std::string, int, std::vector<int>>> patterns = {
        {"×××○○×××○×○×○○×○×○○×", 3, {0, 16, 51}},
        {"", 0, everySeed},
        {"xo", 13, {9, 11, 13, 24, 25, 30, 43, 45, 46, 47, 59, 60, 63}},
        // 70 marks of sequence 1: a ○ at 64 begins the second word
        {"oxoxxxxxxxoooxooooxxoxxxoxooxoxooxoxxooxxooxxxxoooxxooxoooxoooxooooxoo", 3, {1, 32, 49}},
        {"xxxooxxxoxoxooxoxooxoooooooooooooooooooo", 0, {}}};
    for (const auto& [text, count, listed] : patterns) {
        MarkArray marks{};
        CandidateList candidates{};
        const int n = parse_mark_pattern(text.c_str(), marks);
        EXPECT_EQ(match_seeds(generated_table(), marks, n, candidates), count) << text;
        EXPECT_EQ(std::vector<int>(candidates, candidates + listed.size()), listed) << text;
    }
    // Slips in ×××○○×××○×○×○○×○×○○× then ○, the marks of 0, 16 and 51 from position 1, with a
    // tolerance and every near sequence as "edits:sequence@lane position". A mark typed twice,
    // wrong or left out costs one edit; the fourth case is one edit from the prefixes one
    // shorter and one longer, two from the one as long: the shorter wins.
    const std::vector<std::tuple<std::string, int, std::string>> slips = {
        {"xxxooxxxoxoxooxoxoox", 0, "0:0@21 0:16@21 0:51@21"},
        {"xxxooxoxoxoxooxoxoox", 0, ""},
        {"xxxooxxxooxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},
        {"xxxooxxxxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},
        {"oxxxooxxxoxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},  // the first mark is extra
        {"oxxooxxxoxoxooxoxoox", 3, "1:0@21 1:16@21 1:51@21 3:10@20 3:26@20"},
        {"xxxooxxxoxoxooxoxooxx", 1, "1:0@22 1:16@22 1:51@22"},
        {"oxxooxoxoxoxxooxoxoox", 3, "3:0@21 3:16@21 3:51@21"},
        {"xxxooxxxoxoxooxoxoxo", 1, "1:0@20 1:16@20 1:51@20"}};
    for (const auto& [text, tolerance, expected] : slips) {
        MarkArray marks{};
        const int n = parse_mark_pattern(text.c_str(), marks);
        NearMatchList near;
        const int count = match_near(generated_table(), marks, n, tolerance, near);
        std::string got;
        for (int m = 0; m < count; ++m) {
            got += std::to_string(near[m].edits) + ":" + std::to_string(near[m].seedIndex) + "@" +
                   std::to_string(near[m].lanePosition) + " ";
            EXPECT_EQ(near[m].changeCount, near[m].edits) << text << " " << near[m].seedIndex;
        }
        EXPECT_EQ(got, expected.empty() ? "" : expected + " ") << text;
    }
    // No mark is within no slip of every sequence, each right from position 1.
    MarkArray none{};
    NearMatchList near;
    EXPECT_EQ(match_near(generated_table(), none, 0, 0, near), kSeedCount);
    EXPECT_EQ(std::make_tuple(near[63].seedIndex, near[63].edits, near[63].lanePosition),
              std::make_tuple(63, 0, 1));
}

}  // namespace

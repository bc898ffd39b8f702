#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "random/near_match.h"
#include "worked_units.h"

namespace {

TEST(NearMatch, ListsTheSequencesWithinTheTolerance) {
    // Slips in ×××○○×××○×○×○○×○×○○× then ○, the marks of 0, 16 and 51 from position 1, with a
    // tolerance and every near sequence as "edits:sequence@lane position". A mark typed twice,
    // wrong or left out costs one edit; the fourth case is one edit from the prefixes one
    // shorter and one longer, two from the one as long: the shorter wins.
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"xxxooxxxoxoxooxoxoox", 0, "0:0@21 0:16@21 0:51@21"},
        {"xxxooxoxoxoxooxoxoox", 0, ""},
        {"xxxooxxxooxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},
        {"xxxooxxxxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},
        {"xxxxooxxxoxoxooxoxoox", 1, "1:0@21 1:16@21 1:51@21"},  // the first mark is extra
        {"oxxooxxxoxoxooxoxoox", 3, "1:0@21 1:16@21 1:51@21 3:10@20 3:26@20"},
        {"xxxooxxxoxoxooxoxooxx", 1, "1:0@22 1:16@22 1:51@22"},
        {"oxxooxoxoxoxxooxoxoox", 3, "3:0@21 3:16@21 3:51@21"},
        {"xxxooxxxoxoxooxoxoxo", 1, "1:0@20 1:16@20 1:51@20"},
    };
    for (const auto& [text, tolerance, expected] : cases) {
        MarkArray marks{};
        const int n = parse_mark_pattern(text.c_str(), marks);
        NearMatchList near;
        const int count = match_near(generated_table(), marks, n, tolerance, near);
        std::string got;
        for (int m = 0; m < count; ++m) {
            got.append(m == 0 ? "" : " ").append(std::to_string(near[m].edits)).append(":");
            got.append(std::to_string(near[m].seedIndex)).append("@");
            got.append(std::to_string(near[m].lanePosition));
            EXPECT_EQ(near[m].changeCount, near[m].edits) << text << " " << near[m].seedIndex;
        }
        EXPECT_EQ(got, expected) << text;
    }
    // No mark is within no slip of every sequence, each right from position 1.
    MarkArray none{};
    NearMatchList near;
    EXPECT_EQ(match_near(generated_table(), none, 0, 0, near), kSeedCount);
    EXPECT_EQ(std::make_tuple(near[63].seedIndex, near[63].edits, near[63].lanePosition),
              std::make_tuple(63, 0, 1));
}

}  // namespace

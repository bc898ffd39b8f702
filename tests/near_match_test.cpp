#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "random/near_match.h"
#include "worked_units.h"

namespace {

// The edit distance of the typed marks to every prefix t1..tL, L = 0 to last, in a full table.
std::vector<int> prefix_distances(int seed, const std::vector<Mark>& typed, int last) {
    const auto shown = [seed](int p) {
        return mark_of(display_value(random_value(generated_table(), seed, p)));
    };
    std::vector<std::vector<int>> d(typed.size() + 1, std::vector<int>(last + 1));
    for (std::size_t i = 0; i <= typed.size(); ++i) {
        for (int j = 0; j <= last; ++j) {
            d[i][j] = i == 0 || j == 0 ? static_cast<int>(i) + j
                                       : std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                                   d[i - 1][j - 1] + (typed[i - 1] != shown(j))});
        }
    }
    return d.back();
}

TEST(NearMatch, AgreesWithEveryPrefixDistance) {
    // Slips in ×××○○×××○×○×○○×○×○○× then ○, the marks of 0, 16 and 51 from position 1, with
    // a tolerance and sequence 0's edits and lane position (-1: not near). The last is one edit
    // from the prefixes one shorter and one longer, two from the one as long: the shorter wins.
    const std::vector<std::tuple<std::string, int, int, int>> cases = {
        {"xxxooxxxoxoxooxoxoox", 0, 0, 21},  {"xxxooxoxoxoxooxoxoox", 0, -1, 0},
        {"xxxooxxxooxoxooxoxoox", 1, 1, 21}, {"xxxooxxxxoxooxoxoox", 1, 1, 21},
        {"oxxooxxxoxoxooxoxoox", 3, 1, 21},  {"xxxooxxxoxoxooxoxooxx", 1, 1, 22},
        {"oxxooxoxoxoxxooxoxoox", 3, 3, 21}, {"xxxooxxxoxoxooxoxoxo", 1, 1, 20},
    };
    for (const auto& [text, tolerance, edits, lanePosition] : cases) {
        MarkArray marks{};
        const int n = parse_mark_pattern(text.c_str(), marks);
        const std::vector<Mark> typed(marks, marks + n);
        std::vector<std::tuple<int, int, int>> model;
        for (int s = 0; s < kSeedCount; ++s) {
            const std::vector<int> d = prefix_distances(s, typed, n + 8);
            const int fewest = *std::min_element(d.begin(), d.end());
            const std::vector<int> nearestFirst = {n, n - 1, n + 1, n - 2, n + 2, n - 3, n + 3};
            const auto length = std::find_if(nearestFirst.begin(), nearestFirst.end(),
                                             [&](int l) { return l >= 0 && d[l] == fewest; });
            if (fewest <= tolerance) {
                model.emplace_back(fewest, s, *length + 1);
            }
        }
        std::sort(model.begin(), model.end());
        NearMatchList near;
        const int count = match_near(generated_table(), marks, n, tolerance, near);
        std::vector<std::tuple<int, int, int>> got;
        for (int m = 0; m < count; ++m) {
            got.emplace_back(near[m].edits, near[m].seedIndex, near[m].lanePosition);
            EXPECT_EQ(near[m].changeCount, near[m].edits) << text << " " << near[m].seedIndex;
        }
        EXPECT_EQ(got, model) << text;
        EXPECT_EQ(got.empty() ? std::tuple(-1, 0, 0) : got[0], std::tuple(edits, 0, lanePosition));
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "random/mark_advice.h"
#include "random/near_match.h"
#include "worked_units.h"

namespace {

Mark shown(int seed, int position) {
    return mark_of(display_value(random_value(generated_table(), seed, position)));
}

// The edit distance of the typed marks to every prefix t1..tL of a sequence, L = 0 to last,
// one sequence position after another over the whole typed column.
std::vector<int> prefix_distances(int seed, const std::vector<Mark>& typed, int last) {
    std::vector<int> column(typed.size() + 1);
    for (std::size_t i = 0; i < column.size(); ++i) {
        column[i] = static_cast<int>(i);
    }
    std::vector<int> distances = {column.back()};
    for (int length = 1; length <= last; ++length) {
        std::vector<int> next = {length};
        for (std::size_t i = 1; i < column.size(); ++i) {
            next.push_back(std::min({column[i] + 1, next[i - 1] + 1,
                                     column[i - 1] + (typed[i - 1] != shown(seed, length))}));
        }
        column = next;
        distances.push_back(column.back());
    }
    return distances;
}

// Fixes the typed marks as the changes say and compares the result with t1..tL.
bool changes_give_prefix(const NearMatch& match, const std::vector<Mark>& typed) {
    const int n = static_cast<int>(typed.size());
    std::vector<int> kindAt(n + 1, -1);
    std::vector<int> missing(match.lanePosition, 0);
    for (int c = 0; c < match.changeCount; ++c) {
        const auto [kind, index] = match.changes[c];
        if (index < 1 || index > (kind == kChangeMissing ? match.lanePosition - 1 : n)) {
            return false;
        }
        (kind == kChangeMissing ? missing[index] : kindAt[index]) = kind;
    }
    int i = 1;
    for (int p = 1; p < match.lanePosition; ++p) {
        for (; missing[p] == 0 && i <= n && kindAt[i] == kChangeExtra; ++i) {
        }
        if (missing[p] == 0 &&
            (i > n || (typed[i - 1] ^ (kindAt[i] == kChangeWrong)) != shown(match.seedIndex, p))) {
            return false;
        }
        i += missing[p] == 0 ? 1 : 0;
    }
    for (; i <= n && kindAt[i] == kChangeExtra; ++i) {
    }
    return i == n + 1;
}

TEST(NearMatch, AgreesWithEveryPrefixDistance) {
    // Slips in the marks of sequence 0 from position 1, which 16 and 51 show too:
    // ×××○○×××○×○×○○×○×○○×, then ○ at 21. Each with its tolerance and the edits and lane
    // position of 0, 16 and 51 (edits -1: not near). The last case is one edit from the prefix
    // one shorter (mark 19 extra) and from the one longer (position 19 missing) but two from
    // the prefix as long as itself: the shorter one counts.
    const std::vector<std::tuple<std::string, int, int, int>> cases = {
        {"xxxooxxxoxoxooxoxoox", 0, 0, 21},  {"xxxooxoxoxoxooxoxoox", 0, -1, 0},
        {"xxxooxoxoxoxooxoxoox", 1, 1, 21},  {"xxxooxxxooxoxooxoxoox", 1, 1, 21},
        {"xxxoxxxoxoxooxoxoox", 1, 1, 21},   {"oxxooxxxoxoxooxoxoox", 3, 1, 21},
        {"xxxooxxxoxoxooxoxooxx", 1, 1, 22}, {"xxxooxxoxoxooxoxooxx", 2, 2, 21},
        {"xxxooxxxoxoxooxoxoo", 0, 0, 20},   {"oxxooxoxoxoxxooxoxoox", 3, 3, 21},
        {"xxooxxxoxoxooooxoox", 2, 2, 21},   {"xxxooxxxoxoxooxoxoxo", 1, 1, 20},
    };
    for (const auto& [text, tolerance, edits, lanePosition] : cases) {
        SCOPED_TRACE(text);
        MarkArray marks{};
        const int n = parse_mark_pattern(text.c_str(), marks);
        const std::vector<Mark> typed(marks, marks + n);
        NearMatchList near;
        const int count = match_near(generated_table(), marks, n, tolerance, near);
        std::vector<std::tuple<int, int, int>> got;
        for (int m = 0; m < count; ++m) {
            got.emplace_back(near[m].edits, near[m].seedIndex, near[m].lanePosition);
            EXPECT_EQ(near[m].changeCount, near[m].edits);
            EXPECT_TRUE(changes_give_prefix(near[m], typed)) << near[m].seedIndex;
        }
        std::vector<std::tuple<int, int, int>> model;
        for (int s = 0; s < kSeedCount; ++s) {
            const std::vector<int> d = prefix_distances(s, typed, n + 8);
            const int fewest = *std::min_element(d.begin(), d.end());
            for (int offset = 0, length = n; fewest <= tolerance; ++offset) {
                length = n - offset >= 0 && d[n - offset] == fewest ? n - offset : n + offset;
                if (d[length] == fewest) {
                    model.emplace_back(fewest, s, length + 1);
                    break;
                }
            }
        }
        std::sort(model.begin(), model.end());
        EXPECT_EQ(got, model);
        for (int s : {0, 16, 51}) {
            const auto found = std::find_if(got.begin(), got.end(),
                                            [&](const auto& g) { return std::get<1>(g) == s; });
            EXPECT_EQ(found == got.end() ? std::tuple(-1, s, 0) : *found,
                      std::tuple(edits, s, lanePosition));
        }
    }
}

std::vector<int> listed(const std::int32_t* seeds, int count) {
    return std::vector<int>(seeds, seeds + count);
}

TEST(NextMarkAdvice, SplitsAndGroupsTheMatches) {
    NextMarkAdvice advice;
    const CandidateList five = {0, 16, 18, 36, 51};
    advise_next_mark(generated_table(), 5, five, 5, advice);
    EXPECT_EQ(std::tuple(advice.position, listed(advice.circle, advice.circleCount),
                         listed(advice.cross, advice.crossCount), advice.marksToSettle),
              std::tuple(6, std::vector<int>{}, std::vector<int>{0, 16, 18, 36, 51}, 4));
    EXPECT_EQ(listed(advice.groupSizes, advice.groupCount), std::vector<int>({3, 2}));
    EXPECT_EQ(listed(advice.groupMembers, 5), std::vector<int>({0, 16, 51, 18, 36}));
    // With no mark all 64 match: 14 groups of three and 11 of two, each showing the same marks
    // value by value, and the fewest marks that leave only such groups tried one by one.
    CandidateList all;
    std::iota(std::begin(all), std::end(all), 0);
    advise_next_mark(generated_table(), 0, all, kSeedCount, advice);
    std::vector<int> groupOf(kSeedCount, -1);
    for (int g = 0, m = 0; g < advice.groupCount; ++g) {
        for (int end = m + advice.groupSizes[g]; m < end; ++m) {
            groupOf[advice.groupMembers[m]] = g;
            for (int p = 1; p < kSequenceLength; ++p) {
                ASSERT_EQ(shown(advice.groupMembers[m], p), shown(advice.groupMembers[end - 1], p));
            }
        }
    }
    EXPECT_EQ(std::count(advice.groupSizes, advice.groupSizes + advice.groupCount, 3), 14);
    EXPECT_EQ(std::count(advice.groupSizes, advice.groupSizes + advice.groupCount, 2), 11);
    const auto settled = [&](int k) {
        for (int a = 0; a < kSeedCount; ++a) {
            for (int b = a + 1; b < kSeedCount; ++b) {
                bool apart = groupOf[a] >= 0 && groupOf[a] == groupOf[b];
                for (int p = 1; p <= k; ++p) {
                    apart = apart || shown(a, p) != shown(b, p);
                }
                if (!apart) {
                    return false;
                }
            }
        }
        return true;
    };
    int k = 1;
    for (; !settled(k); ++k) {
    }
    EXPECT_EQ(advice.marksToSettle, k);
    EXPECT_EQ(advice.circleCount + advice.crossCount, kSeedCount);
    for (int c = 0; c < advice.circleCount; ++c) {
        EXPECT_EQ(shown(advice.circle[c], 1), 1);
    }
}

}  // namespace

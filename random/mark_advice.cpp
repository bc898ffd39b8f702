#include "random/mark_advice.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kNoDifference = kSequenceLength;

// The first position from `from` on at which the marks of two sequences differ.
int first_difference(const RandomTable& table, int a, int b, int from) {
    std::uint64_t before = (std::uint64_t{1} << (from % 64)) - 1;
    for (int w = from / 64; w < kMarkWordCount; ++w) {
        const std::uint64_t differ = (table.markBits[a][w] ^ table.markBits[b][w]) & ~before;
        if (differ != 0) {
            return w * 64 + std::countr_zero(differ);
        }
        before = 0;
    }
    return kNoDifference;
}

}  // namespace

void advise_next_mark(const RandomTable& table, int markCount, const CandidateList& matches,
                      int matchCount, NextMarkAdvice& advice) {
    const int q = std::clamp(markCount, 0, kMaxMarks) + 1;
    const int count = std::clamp(matchCount, 0, kSeedCount);
    advice.position = q;
    advice.circleCount = 0;
    advice.crossCount = 0;
    // Having the same marks from q on is an equivalence, so each match is compared only with the
    // first member of every group found so far.
    int firstMembers[kSeedCount];
    int groupSizes[kSeedCount] = {};
    int groupOf[kSeedCount];
    int groups = 0;
    for (int m = 0; m < count; ++m) {
        const int s = matches[m];
        if (mark_at(table, s, q) == 1) {
            advice.circle[advice.circleCount++] = s;
        } else {
            advice.cross[advice.crossCount++] = s;
        }
        int g = 0;
        while (g < groups && first_difference(table, firstMembers[g], s, q) != kNoDifference) {
            ++g;
        }
        if (g == groups) {
            firstMembers[groups++] = s;
        }
        groupOf[m] = g;
        ++groupSizes[g];
    }
    // Two groups are told apart at the first difference of their first members.
    advice.marksToSettle = 0;
    for (int a = 0; a < groups; ++a) {
        for (int b = a + 1; b < groups; ++b) {
            advice.marksToSettle = std::max<std::int32_t>(
                advice.marksToSettle,
                first_difference(table, firstMembers[a], firstMembers[b], q) - q + 1);
        }
    }
    advice.groupCount = 0;
    int stored = 0;
    for (int g = 0; g < groups; ++g) {
        if (groupSizes[g] < 2) {
            continue;
        }
        advice.groupSizes[advice.groupCount++] = groupSizes[g];
        for (int m = 0; m < count; ++m) {
            if (groupOf[m] == g) {
                advice.groupMembers[stored++] = matches[m];
            }
        }
    }
}

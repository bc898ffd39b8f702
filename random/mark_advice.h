#pragma once

#include <cstdint>

#include "random/marks.h"

// A group of sequences with the same marks has two members at least.
constexpr int kMaxSameMarkGroups = kSeedCount / 2;

// What the next typed mark would tell apart among the sequences that match so far.
struct NextMarkAdvice {
    std::int32_t position;  // the position right behind the typed marks
    std::int32_t circleCount;
    CandidateList circle;  // the matches whose mark there is ○, ascending
    std::int32_t crossCount;
    CandidateList cross;  // the matches whose mark there is ×, ascending
    // The fewest marks from that position on that separate every two matches of different
    // groups; 0 when all of them form one group.
    std::int32_t marksToSettle;
    // The groups of two or more matches whose marks agree from that position to the end of the
    // sequence, ordered by their smallest member: group g has groupSizes[g] members, each
    // ascending, stored one group after another in groupMembers.
    std::int32_t groupCount;
    std::int32_t groupSizes[kMaxSameMarkGroups];
    CandidateList groupMembers;
};

// matches: the sequences that show the markCount typed marks, ascending (what match_seeds
// lists, all 64 when there is no mark).
void advise_next_mark(const RandomTable& table, int markCount, const CandidateList& matches,
                      int matchCount, NextMarkAdvice& advice);

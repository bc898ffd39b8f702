#pragma once

#include <cstdint>

#include "random/random_table.h"

// 1 for ○, 0 for ×.
using Mark = std::int32_t;

// The pattern box is read into a 500-byte buffer, so at most 499 bytes of a typed pattern count.
constexpr int kMarkTextCapacity = 500;
constexpr int kMaxMarks = 500;

using MarkTextBuffer = char[kMarkTextCapacity];
using MarkArray = Mark[kMaxMarks];
using CandidateList = std::int32_t[kSeedCount];

Mark mark_of(int displayValue);

// The mark of a sequence's value at position 0 to 5279, from the marks kept as bits.
inline Mark mark_at(const RandomTable& table, int seedIndex, int position) {
    return static_cast<Mark>((table.markBits[seedIndex][position / 64] >> (position % 64)) & 1);
}

// Reads at most the first 499 bytes of text (up to its NUL) and returns the number of marks.
int parse_mark_pattern(const char* text, MarkArray& marks);

// Returns the number of matching seeds, or 0 when no seed or every seed matches; candidates
// holds the matching seeds in ascending order either way.
int match_seeds(const RandomTable& table, const MarkArray& marks, int markCount,
                CandidateList& candidates);

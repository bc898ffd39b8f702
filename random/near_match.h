#pragma once

#include <cstdint>

#include "random/marks.h"

// The most slips a near match forgives.
constexpr int kMaxTolerance = 3;

enum NearChangeKind : std::int32_t {
    kChangeWrong = 0,    // typed mark `index` stands for a sequence mark that differs from it
    kChangeExtra = 1,    // typed mark `index` has no sequence mark
    kChangeMissing = 2,  // sequence position `index` has no typed mark
};

// index: the typed mark counted from 1 for a wrong or an extra mark, the sequence position for
// a missing one.
struct NearChange {
    std::int32_t kind;
    std::int32_t index;
};

// A sequence whose marks from position 1 are the typed marks but for a few slips. Its lane
// position is the position right behind the typed marks; its changes, applied to the typed
// marks, give exactly the sequence's marks up to the position before it.
struct NearMatch {
    std::int32_t seedIndex;
    std::int32_t edits;
    std::int32_t lanePosition;
    std::int32_t changeCount;
    NearChange changes[kMaxTolerance];
};

using NearMatchList = NearMatch[kSeedCount];

// How a change reads to a player, a format for its index, by kind (Shift-JIS).
extern const char* const kChangeWords[3];

// Fills near with every sequence within tolerance (clamped to 0 to 3) edits of the typed marks,
// by edits and then by sequence, and returns how many there are. A sequence's edits are the
// fewest changes that turn the typed marks into some prefix of its marks from position 1; of the
// prefixes that need that few, the one whose length is nearest the mark count gives the lane
// position, the shorter of two as near.
int match_near(const RandomTable& table, const MarkArray& marks, int markCount, int tolerance,
               NearMatchList& near);

#pragma once

#include <cstdint>
#include <span>

#include "random/seed_table.h"

// The game's sequences have 91 blocks (positions 0 to 5004), but an event run that starts near
// the last lane position reads up to 255 values further, so every sequence is grown with the
// same block step to 96 blocks and no read ever leaves it.
constexpr int kBlockCount = 96;
constexpr int kSequenceLength = kBlockCount * kBlockLength;
constexpr int kLastShownPosition = 5004;
constexpr int kFirstLanePosition = 1;
constexpr int kLastLanePosition = 4973;

using Sequence = std::int32_t[kSequenceLength];

// The marks of one sequence, one bit per position (bit p % 64 of word p / 64, 1 for ○), so that
// matching typed marks compares whole words instead of testing value by value.
constexpr int kMarkWordCount = (kSequenceLength + 63) / 64;
using MarkBits = std::uint64_t[kMarkWordCount];

struct RandomTable {
    Sequence sequences[kSeedCount];
    MarkBits markBits[kSeedCount];
};

void next_block(std::span<const std::int32_t, kBlockLength> block,
                std::span<std::int32_t, kBlockLength> next);
void generate_random_tables(RandomTable& table);
int random_value(const RandomTable& table, int seedIndex, int position);
// Stored 0 shows as 99, any other value one less. Inline: every test of a battle takes it.
inline int display_value(int stored) {
    return stored == 0 ? 99 : stored - 1;
}

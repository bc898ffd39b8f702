#include "random/random_table.h"

#include <algorithm>

#include "random/marks.h"

void next_block(std::span<const std::int32_t, kBlockLength> block,
                std::span<std::int32_t, kBlockLength> next) {
    std::copy(block.begin(), block.end(), next.begin());
    // The subtractive pass works in place, t = 23 down to 0 and then 54 down to 24: late steps
    // read operands that earlier steps already replaced, and the sequences depend on exactly that.
    for (int step = 0; step < kBlockLength; ++step) {
        const int t = (23 - step + kBlockLength) % kBlockLength;
        next[t] = (next[t] - next[(t + 31) % kBlockLength] + 100) % 100;
    }
    for (int k = 0; k < 7; ++k) {
        next[48 + k] = (next[48 + k] + next[k]) % 100;
    }
}

void generate_random_tables(RandomTable& table) {
    for (int s = 0; s < kSeedCount; ++s) {
        Sequence& sequence = table.sequences[s];
        std::copy(std::begin(kSeedTable[s]), std::end(kSeedTable[s]), sequence);
        for (int b = 0; b + 1 < kBlockCount; ++b) {
            next_block(std::span<const std::int32_t, kBlockLength>(sequence + b * kBlockLength,
                                                                   kBlockLength),
                       std::span<std::int32_t, kBlockLength>(sequence + (b + 1) * kBlockLength,
                                                             kBlockLength));
        }
        MarkBits& bits = table.markBits[s];
        std::fill(std::begin(bits), std::end(bits), 0);
        for (int p = 0; p < kSequenceLength; ++p) {
            bits[p / 64] |= static_cast<std::uint64_t>(mark_of(display_value(sequence[p])))
                            << (p % 64);
        }
    }
}

int random_value(const RandomTable& table, int seedIndex, int position) {
    return table.sequences[seedIndex][position];
}

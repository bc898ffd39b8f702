#include "state/position_set.h"

#include <algorithm>

PositionSet::PositionSet() : bits_(static_cast<std::size_t>(kSeedCount) * kWordsPerSequence) {}

void PositionSet::add_sequence(int seedIndex) {
    if (seedIndex < 0 || seedIndex >= kSeedCount) {
        return;
    }
    static_assert(kFirstLanePosition < 64 && kLastLanePosition / 64 == kWordsPerSequence - 1);
    // Word by word: a search over every sequence adds 318,272 places before it starts.
    std::uint64_t* words = &bits_[static_cast<std::size_t>(seedIndex) * kWordsPerSequence];
    std::fill(words, words + kWordsPerSequence, ~std::uint64_t{0});
    words[0] &= ~std::uint64_t{0} << (kFirstLanePosition % 64);
    words[kWordsPerSequence - 1] &= (std::uint64_t{1} << (kLastLanePosition % 64 + 1)) - 1;
}

void PositionSet::add(const LaneCursor& place) {
    if (place.seedIndex < 0 || place.seedIndex >= kSeedCount ||
        place.position < kFirstLanePosition || place.position > kLastLanePosition) {
        return;
    }
    bits_[static_cast<std::size_t>(place.seedIndex) * kWordsPerSequence +
          static_cast<std::size_t>(place.position / 64)] |= std::uint64_t{1}
                                                            << (place.position % 64);
}

bool PositionSet::has(int seedIndex, int position) const {
    if (seedIndex < 0 || seedIndex >= kSeedCount || position < kFirstLanePosition ||
        position > kLastLanePosition) {
        return false;
    }
    return (bits_[static_cast<std::size_t>(seedIndex) * kWordsPerSequence +
                  static_cast<std::size_t>(position / 64)] >>
            (position % 64)) &
           1u;
}

bool PositionSet::has_sequence(int seedIndex) const {
    const auto first = bits_.begin() + static_cast<std::ptrdiff_t>(seedIndex) * kWordsPerSequence;
    return std::any_of(first, first + kWordsPerSequence,
                       [](std::uint64_t word) { return word != 0; });
}

std::size_t PositionSet::size() const {
    std::size_t count = 0;
    for (const std::uint64_t word : bits_) {
        count += static_cast<std::size_t>(__builtin_popcountll(word));
    }
    return count;
}

std::vector<LaneCursor> PositionSet::places() const {
    std::vector<LaneCursor> places;
    for (int seed = 0; seed < kSeedCount; ++seed) {
        for_each_position(seed, kFirstLanePosition, kLastLanePosition, [&](int position) {
            places.push_back({seed, position});
        });
    }
    return places;
}

std::vector<std::int32_t> PositionSet::sequences() const {
    std::vector<std::int32_t> seeds;
    for (int seed = 0; seed < kSeedCount; ++seed) {
        if (has_sequence(seed)) {
            seeds.push_back(seed);
        }
    }
    return seeds;
}

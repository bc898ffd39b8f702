#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "random/random_table.h"
#include "random/seed_table.h"
#include "state/session.h"

// Places of the game, a sequence and a lane position (1 to 4973) each, every one at most once:
// a bit for each place, so that adding, testing and listing cost no search and no heap entry
// per place.
class PositionSet {
public:
    PositionSet();

    // Every lane position of the sequence.
    void add_sequence(int seedIndex);
    // A place outside the lanes' range is none.
    void add(const LaneCursor& place);
    bool has(int seedIndex, int position) const;
    bool has_sequence(int seedIndex) const;
    // How many places it holds.
    std::size_t size() const;

    // The places, ascending by sequence, then position.
    std::vector<LaneCursor> places() const;
    // The sequences that hold a place, ascending.
    std::vector<std::int32_t> sequences() const;
    // Calls visit(position) for each place of the sequence from first to last, ascending.
    template <class Visit>
    void for_each_position(int seedIndex, int first, int last, Visit&& visit) const;

private:
    static constexpr int kWordsPerSequence = (kLastLanePosition + 1 + 63) / 64;
    std::vector<std::uint64_t> bits_;
};

template <class Visit>
void PositionSet::for_each_position(int seedIndex, int first, int last, Visit&& visit) const {
    const std::uint64_t* words = &bits_[static_cast<std::size_t>(seedIndex) * kWordsPerSequence];
    for (int w = first / 64; w <= last / 64 && w < kWordsPerSequence; ++w) {
        std::uint64_t word = words[w];
        // The bits of the word before first and after last are left out.
        if (w == first / 64) {
            word &= ~std::uint64_t{0} << (first % 64);
        }
        if (w == last / 64 && last % 64 != 63) {
            word &= (std::uint64_t{1} << (last % 64 + 1)) - 1;
        }
        for (; word != 0; word &= word - 1) {
            visit(w * 64 + __builtin_ctzll(word));
        }
    }
}

#include "random/marks.h"

#include <algorithm>

namespace {

constexpr int kMaxTextBytes = kMarkTextCapacity - 1;

bool is_double_byte_mark(const char* text, int i, unsigned char first, unsigned char second) {
    return static_cast<unsigned char>(text[i]) == first &&
           static_cast<unsigned char>(text[i + 1]) == second;
}

}  // namespace

Mark mark_of(int displayValue) {
    static constexpr int kCircleResidues[] = {0, 2, 5, 7, 8, 10, 11, 13, 16, 19, 21, 22, 24};
    const int residue = ((displayValue % 25) + 25) % 25;
    return std::find(std::begin(kCircleResidues), std::end(kCircleResidues), residue) !=
                   std::end(kCircleResidues)
               ? 1
               : 0;
}

int parse_mark_pattern(const char* text, MarkArray& marks) {
    int n = 0;
    int i = 0;
    while (i < kMaxTextBytes && text[i] != '\0') {
        const char c = text[i];
        const bool hasNext = i + 1 < kMaxTextBytes && text[i + 1] != '\0';
        if (c == 'C' || c == 'O' || c == 'c' || c == 'o') {
            marks[n++] = 1;
            i += 1;
        } else if (hasNext && (is_double_byte_mark(text, i, 0x81, 0x9B) ||
                               is_double_byte_mark(text, i, 0x81, 0x9C) ||
                               is_double_byte_mark(text, i, 0x81, 0x9D))) {
            marks[n++] = 1;
            i += 2;
        } else if (c == 'x' || c == 'X') {
            marks[n++] = 0;
            i += 1;
        } else if (hasNext && is_double_byte_mark(text, i, 0x81, 0x7E)) {
            marks[n++] = 0;
            i += 2;
        } else {
            i += 1;
        }
    }
    return n;
}

int match_seeds(const RandomTable& table, const MarkArray& marks, int markCount,
                CandidateList& candidates) {
    // Typed mark k stands for position k + 1: the typed marks become bits in the sequences'
    // layout, with a mask of the positions they cover, so each sequence is a few word compares.
    constexpr int kTypedWords = (kMaxMarks + 64) / 64;
    std::uint64_t typed[kTypedWords] = {};
    std::uint64_t covered[kTypedWords] = {};
    bool onlyMarks = true;
    const int n = std::clamp(markCount, 0, kMaxMarks);
    for (int k = 0; k < n; ++k) {
        const int p = k + 1;
        typed[p / 64] |= static_cast<std::uint64_t>(marks[k] == 1) << (p % 64);
        covered[p / 64] |= std::uint64_t{1} << (p % 64);
        onlyMarks = onlyMarks && (marks[k] == 0 || marks[k] == 1);
    }
    int count = 0;
    for (int s = 0; s < kSeedCount && onlyMarks; ++s) {
        bool same = true;
        for (int w = 0; w < kTypedWords; ++w) {
            same = same && ((table.markBits[s][w] ^ typed[w]) & covered[w]) == 0;
        }
        if (same) {
            candidates[count++] = s;
        }
    }
    return count == kSeedCount ? 0 : count;
}

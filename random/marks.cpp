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
    bool stillCandidate[kSeedCount];
    std::fill(std::begin(stillCandidate), std::end(stillCandidate), true);
    const int n = std::clamp(markCount, 0, kMaxMarks);
    for (int k = 0; k < n; ++k) {
        for (int s = 0; s < kSeedCount; ++s) {
            if (stillCandidate[s] &&
                mark_of(display_value(random_value(table, s, k + 1))) != marks[k]) {
                stillCandidate[s] = false;
            }
        }
    }
    int count = 0;
    for (int s = 0; s < kSeedCount; ++s) {
        if (stillCandidate[s]) {
            candidates[count++] = s;
        }
    }
    return count == kSeedCount ? 0 : count;
}

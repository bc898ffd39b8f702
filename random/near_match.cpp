#include "random/near_match.h"

#include <algorithm>

namespace {

constexpr int kMaxBandWidth = 2 * kMaxTolerance + 1;

// The edit distances of typed marks 1..i to the prefixes t1..tj of one sequence, kept only for
// |i - j| <= tolerance: no cell farther from the diagonal can stay within the tolerance. Cell
// (i, j) is cells[i][j - i + tolerance]; a value above the tolerance is stored as tolerance + 1.
struct Band {
    int tolerance;
    std::uint8_t cells[kMaxMarks + 1][kMaxBandWidth];
};

int over(const Band& band) {
    return band.tolerance + 1;
}

int cell(const Band& band, int i, int j) {
    const int d = j - i + band.tolerance;
    return j < 0 || d < 0 || d > 2 * band.tolerance ? over(band) : band.cells[i][d];
}

int wrong_at(const RandomTable& table, int seed, const MarkArray& marks, int i, int j) {
    return marks[i - 1] != mark_at(table, seed, j) ? 1 : 0;
}

// Fills the band row by row and returns the fewest edits to any prefix, or tolerance + 1 as soon
// as a whole row lies beyond the tolerance: every alignment passes through every row.
int fill_band(const RandomTable& table, int seed, const MarkArray& marks, int n, Band& band) {
    const int k = band.tolerance;
    for (int d = 0; d <= 2 * k; ++d) {
        band.cells[0][d] = static_cast<std::uint8_t>(d < k ? over(band) : d - k);
    }
    int rowBest = 0;
    for (int i = 1; i <= n && rowBest <= k; ++i) {
        rowBest = over(band);
        for (int d = 0; d <= 2 * k; ++d) {
            const int j = i + d - k;
            int best = std::min(cell(band, i - 1, j) + 1, cell(band, i, j - 1) + 1);
            if (j > 0) {
                best =
                    std::min(best, cell(band, i - 1, j - 1) + wrong_at(table, seed, marks, i, j));
            }
            best = j < 0 ? over(band) : std::min(best, over(band));
            band.cells[i][d] = static_cast<std::uint8_t>(best);
            rowBest = std::min(rowBest, best);
        }
    }
    return rowBest;
}

// Of the prefix lengths that reach the fewest edits, the one nearest n, the shorter of two.
int best_prefix(const Band& band, int n, int edits) {
    for (int offset = 0;; ++offset) {
        if (n - offset >= 0 && cell(band, n, n - offset) == edits) {
            return n - offset;
        }
        if (cell(band, n, n + offset) == edits) {
            return n + offset;
        }
    }
}

// Walks one optimal alignment back from (n, length), a match or a wrong mark first, then an
// extra one, then a missing one, and lists its changes in the order of the marks.
void trace_changes(const RandomTable& table, const MarkArray& marks, const Band& band, int n,
                   NearMatch& match) {
    int i = n;
    int j = match.lanePosition - 1;
    match.changeCount = 0;
    while (i > 0 || j > 0) {
        const int here = cell(band, i, j);
        const int wrong = i > 0 && j > 0 ? wrong_at(table, match.seedIndex, marks, i, j) : 0;
        if (i > 0 && j > 0 && cell(band, i - 1, j - 1) + wrong == here) {
            if (wrong == 1) {
                match.changes[match.changeCount++] = {kChangeWrong, i};
            }
            --i;
            --j;
        } else if (i > 0 && cell(band, i - 1, j) + 1 == here) {
            match.changes[match.changeCount++] = {kChangeExtra, i};
            --i;
        } else {
            match.changes[match.changeCount++] = {kChangeMissing, j};
            --j;
        }
    }
    std::reverse(match.changes, match.changes + match.changeCount);
}

}  // namespace

const char* const kChangeWords[3] = {"%d個目が違う", "%d個目が余分", "位置 %d の印が抜け"};

int match_near(const RandomTable& table, const MarkArray& marks, int markCount, int tolerance,
               NearMatchList& near) {
    const int n = std::clamp(markCount, 0, kMaxMarks);
    Band band;
    band.tolerance = std::clamp(tolerance, 0, kMaxTolerance);
    NearMatch bySeed[kSeedCount];
    for (int s = 0; s < kSeedCount; ++s) {
        NearMatch& match = bySeed[s];
        match = {s, fill_band(table, s, marks, n, band), 0, 0, {}};
        if (match.edits <= band.tolerance) {
            match.lanePosition = best_prefix(band, n, match.edits) + 1;
            trace_changes(table, marks, band, n, match);
        }
    }
    int count = 0;
    for (int edits = 0; edits <= band.tolerance; ++edits) {
        for (const NearMatch& match : bySeed) {
            if (match.edits == edits) {
                near[count++] = match;
            }
        }
    }
    return count;
}

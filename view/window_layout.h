#pragma once

#include <array>

// Where the main window draws what a click or a check must find, at 96 dpi in client
// coordinates, right and bottom excluded. The drawing, the clicks and the tests read it here.

// The places under the lanes: one table, so that nothing placed here overlaps anything else.

struct LayoutBox {
    int left;
    int top;
    int right;
    int bottom;
};

enum class UnderLanes : int {
    kCheckLine,    // after a level-up, the figures to check in the game
    kMessageLine,  // what the window says of a command it could not do
    kKeptLine,     // the positions kept from one action to the next
    kAllyPanel,
    kArrow,  // "―→" between the panels
    kEnemyPanel,
    kCount
};

// Where the lanes end: the lower lane's 使い道 row, and the line between two steps of a plan.
constexpr int kLanesBottom = 172;

// The two single lines take the whole width, beside which nothing stands under the lanes; the
// kept line ends before the conditions. A panel is wide enough for its widest line with every
// figure from -999 to 9999 ("　ＨＰ：9999→9999", 18 bytes of 8 pixels); a longer name is cut at its
// edge. Both panels stay in the window's left half, 17 lines deep at most.
constexpr std::array<LayoutBox, static_cast<int>(UnderLanes::kCount)> kUnderLanes = {{
    {2, 174, 784, 190},
    {2, 190, 784, 206},
    {2, 206, 456, 222},
    {0, 224, 152, 496},
    {156, 224, 188, 240},
    {192, 224, 344, 496},
}};

// The pattern box with the count over it and the candidates' lines under it, their labels
// included: what a player reads while typing marks, which a tool window opens clear of.
constexpr LayoutBox kMarksArea{436, 432, 704, 512};

constexpr const LayoutBox& place_of(UnderLanes what) {
    return kUnderLanes[static_cast<int>(what)];
}

// A line of sequences' numbers, each in a cell of its own, two columns right-aligned at the
// cell's left; a click on the number, not on the rest of its cell, picks it.
struct NumberRow {
    int left;
    int top;
    int cell;
    int numberWidth;
    int height;
};

// The candidates, beside "候補：", and on the line under them the near sequences.
constexpr NumberRow kCandidateRow{484, 473, 24, 17, 16};
constexpr NumberRow kNearRow{484, 495, 24, 17, 16};
// The most numbers a line shows that a click or Ctrl+1…9 picks.
constexpr int kMostPickedNumbers = 9;

// The left edge of number k's cell.
constexpr int number_left(const NumberRow& row, int k) {
    return row.left + row.cell * k;
}

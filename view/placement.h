#pragma once

#include <span>

// Where the tool windows (検索結果, 記録, 手順) open, in screen pixels.

struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;

    bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
    int width;
    int height;
};

bool overlaps(const ScreenRect& a, const ScreenRect& b);

// What a tool window opening over the main window must leave in sight.
struct MainWindowPlaces {
    ScreenRect frame;  // the whole main window
    ScreenRect lanes;  // from the client's top to the lanes' bottom, the client's width
    ScreenRect marks;  // the pattern box, its count above and the candidates under it
};

// Where a tool window of size first opens, in the first way the work area allows:
// - beside the main window, on the side with room (the right first), clear of the other open
//   tool windows;
// - else over the main window where it covers neither the lanes, nor the marks, nor another open
//   tool window, as near under the lanes as it can, shrunk when it must but never below least,
//   the size at which it still shows all it holds;
// - else cascaded under the lanes, `cascade` steps of `step` pixels down and right, so that each
//   kind of window has its own place; as much of it inside the work area as its size allows.
ScreenRect place_tool_window(const MainWindowPlaces& main, const ScreenRect& workArea,
                             std::span<const ScreenRect> openTools, ScreenSize size,
                             ScreenSize least, int cascade, int step);

// A place kept from an earlier run can be used only while the player can drag it back: some piece
// of its title bar (its top titleBarHeight pixels) left of the three buttons at its right end, as
// wide as the bar is high and half as high, lies in one monitor's work area.
bool title_bar_reachable(const ScreenRect& place, int titleBarHeight,
                         std::span<const ScreenRect> workAreas);

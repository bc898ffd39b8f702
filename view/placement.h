#pragma once

// Where the 検索結果 and 手順 windows open, in screen pixels.

struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;

    bool operator==(const ScreenRect&) const = default;
};

enum class Align { kTop, kBottom };

// A window of width × height beside the main window, on the main window's monitor (its work
// area): on the right if it fits there, else on the left, level with the main window's top or
// bottom; when neither side has room, under the lanes, whose lowest pixel is lanesBottom. Always
// inside the work area as far as its size allows.
ScreenRect place_beside(const ScreenRect& mainWindow, int lanesBottom, const ScreenRect& workArea,
                        int width, int height, Align align);

#pragma once

#include <span>

// The main window's buttons and boxes, where they stand at 96 dpi (client coordinates; the
// window scales them by its DPI), in the order Tab moves through them.
struct ChildControl {
    int id;
    bool edit;
    const char* text;  // Shift-JIS
    int x;
    int y;
    int width;
    int height;
};

std::span<const ChildControl> child_controls();

#include "view/placement.h"

#include <algorithm>

namespace {

// The start of a span of size within [low, high), as close to wanted as it allows; low when the
// span is larger.
int fit(int wanted, int size, int low, int high) {
    return std::max(low, std::min(wanted, high - size));
}

}  // namespace

ScreenRect place_beside(const ScreenRect& mainWindow, int lanesBottom, const ScreenRect& workArea,
                        int width, int height, Align align) {
    const int level = align == Align::kTop ? mainWindow.top : mainWindow.bottom - height;
    int left = 0;
    int top = fit(level, height, workArea.top, workArea.bottom);
    if (mainWindow.right + width <= workArea.right) {
        left = std::max(mainWindow.right, workArea.left);
    } else if (mainWindow.left - width >= workArea.left) {
        left = std::min(mainWindow.left - width, workArea.right - width);
    } else {
        left = fit(mainWindow.left, width, workArea.left, workArea.right);
        top = fit(lanesBottom, height, workArea.top, workArea.bottom);
    }
    return ScreenRect{left, top, left + width, top + height};
}

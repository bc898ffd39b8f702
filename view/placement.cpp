#include "view/placement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Rectangles of the work area that none of taken overlaps, together covering all of it that is
// free: the largest ones among them, and some inside those.
std::vector<ScreenRect> free_areas(const ScreenRect& workArea, std::span<const ScreenRect> taken) {
    std::vector<ScreenRect> areas{workArea};
    for (const ScreenRect& t : taken) {
        std::vector<ScreenRect> split;
        for (const ScreenRect& a : areas) {
            if (!overlaps(a, t)) {
                split.push_back(a);
                continue;
            }
            if (t.left > a.left) {
                split.push_back({a.left, a.top, t.left, a.bottom});
            }
            if (t.right < a.right) {
                split.push_back({t.right, a.top, a.right, a.bottom});
            }
            if (t.top > a.top) {
                split.push_back({a.left, a.top, a.right, t.top});
            }
            if (t.bottom < a.bottom) {
                split.push_back({a.left, t.bottom, a.right, a.bottom});
            }
        }
        areas = std::move(split);
    }
    return areas;
}

// The place of size in area nearest to the point (x, y).
ScreenRect nearest_in(const ScreenRect& area, ScreenSize size, int x, int y) {
    const int left = std::clamp(x, area.left, area.right - size.width);
    const int top = std::clamp(y, area.top, area.bottom - size.height);
    return {left, top, left + size.width, top + size.height};
}

int distance(const ScreenRect& place, int x, int y) {
    return std::abs(place.left - x) + std::abs(place.top - y);
}

bool fits(const ScreenRect& area, ScreenSize size) {
    return area.right - area.left >= size.width && area.bottom - area.top >= size.height;
}

// Beside the main window: on its right level with its top, else on its left, else wherever the
// free area nearest to those two places is.
std::optional<ScreenRect> beside(const MainWindowPlaces& main, const ScreenRect& workArea,
                                 std::span<const ScreenRect> openTools, ScreenSize size) {
    std::vector<ScreenRect> taken(openTools.begin(), openTools.end());
    taken.push_back(main.frame);
    std::optional<ScreenRect> best;
    int bestDistance = 0;
    const int anchors[][2] = {{main.frame.right, main.frame.top},
                              {main.frame.left - size.width, main.frame.top}};
    for (const auto& [x, y] : anchors) {
        for (const ScreenRect& area : free_areas(workArea, taken)) {
            if (!fits(area, size)) {
                continue;
            }
            const ScreenRect place = nearest_in(area, size, x, y);
            if (!best || distance(place, x, y) < bestDistance) {
                best = place;
                bestDistance = distance(place, x, y);
            }
        }
    }
    return best;
}

// Over the main window, clear of what the player reads and types: the whole size where it fits,
// else the largest shrunk size; in the first area that allows it, as near under the lanes as
// the area allows.
std::optional<ScreenRect> clear_of_lanes(const MainWindowPlaces& main, const ScreenRect& workArea,
                                         std::span<const ScreenRect> openTools, ScreenSize size,
                                         ScreenSize least) {
    std::vector<ScreenRect> taken(openTools.begin(), openTools.end());
    taken.push_back(main.lanes);
    taken.push_back(main.marks);
    const int x = main.frame.left;
    const int y = main.lanes.bottom;
    std::optional<ScreenRect> best;
    long long bestArea = 0;
    for (const ScreenRect& area : free_areas(workArea, taken)) {
        if (!fits(area, least)) {
            continue;
        }
        const ScreenSize shrunk{std::min(size.width, area.right - area.left),
                                std::min(size.height, area.bottom - area.top)};
        const long long placeArea = static_cast<long long>(shrunk.width) * shrunk.height;
        if (placeArea > bestArea) {
            best = nearest_in(area, shrunk, x, y);
            bestArea = placeArea;
        }
    }
    return best;
}

}  // namespace

bool overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

ScreenRect place_tool_window(const MainWindowPlaces& main, const ScreenRect& workArea,
                             std::span<const ScreenRect> openTools, ScreenSize size,
                             ScreenSize least, int cascade, int step) {
    if (const auto place = beside(main, workArea, openTools, size)) {
        return *place;
    }
    if (const auto place = clear_of_lanes(main, workArea, openTools, size, least)) {
        return *place;
    }
    const ScreenSize kept{std::min(size.width, workArea.right - workArea.left),
                          std::min(size.height, workArea.bottom - workArea.top)};
    return nearest_in(workArea, kept, main.frame.left + cascade * step,
                      main.lanes.bottom + cascade * step);
}

bool title_bar_reachable(const ScreenRect& place, int titleBarHeight,
                         std::span<const ScreenRect> workAreas) {
    const ScreenRect grip{place.left, place.top, place.right - 3 * titleBarHeight,
                          place.top + titleBarHeight};
    return std::ranges::any_of(workAreas, [&](const ScreenRect& area) {
        return std::min(grip.right, area.right) - std::max(grip.left, area.left) >=
                   titleBarHeight &&
               std::min(grip.bottom, area.bottom) - std::max(grip.top, area.top) >=
                   titleBarHeight / 2;
    });
}

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "view/placement.h"

// Where the player last left each tool window, kept between runs in windows.json:
// {"dpi": 96, "検索結果": [x, y, w, h], "記録": [...], "手順": [...]}, screen pixels at that dpi.

enum class ToolWindowKind : int { kResults, kRecord, kPlan, kCount };

struct WindowPlaces {
    int dpi = 96;
    std::array<std::optional<ScreenRect>, static_cast<int>(ToolWindowKind::kCount)> places;

    std::optional<ScreenRect>& operator[](ToolWindowKind kind) {
        return places[static_cast<int>(kind)];
    }
};

// The places a file holds; nothing when any part of it cannot be read, so that a damaged file is
// as good as none.
std::optional<WindowPlaces> read_window_places(std::string_view bytes);

std::string write_window_places(const WindowPlaces& places);

// The same places at another dpi: each keeps its top left corner, and its size is scaled.
WindowPlaces window_places_at(const WindowPlaces& places, int dpi);

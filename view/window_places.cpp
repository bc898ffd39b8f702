#include "view/window_places.h"

#include <nlohmann/json.hpp>

#include "state/json_integer.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The members' names, UTF-8 in the file.
constexpr const char8_t* kNames[] = {u8"検索結果", u8"記録", u8"手順"};

const char* name_of(int kind) {
    return reinterpret_cast<const char*>(kNames[kind]);
}

// Far larger than any screen, small enough that no sum of them overflows.
constexpr int kMostPixels = 1 << 20;
constexpr int kLeastDpi = 48;
constexpr int kMostDpi = 960;
// A file larger than this was not written by the program.
constexpr std::size_t kMostBytes = 4096;

std::optional<int> integer(const json& value, int low, int high) {
    return integer_within(value, low, high) ? std::optional<int>(value.get<int>()) : std::nullopt;
}

std::optional<ScreenRect> rect(const json& value) {
    if (!value.is_array() || value.size() != 4) {
        return std::nullopt;
    }
    const auto x = integer(value[0], -kMostPixels, kMostPixels);
    const auto y = integer(value[1], -kMostPixels, kMostPixels);
    const auto w = integer(value[2], 1, kMostPixels);
    const auto h = integer(value[3], 1, kMostPixels);
    if (!x || !y || !w || !h) {
        return std::nullopt;
    }
    return ScreenRect{*x, *y, *x + *w, *y + *h};
}

int scaled(int pixels, int to, int from) {
    return static_cast<int>(static_cast<long long>(pixels) * to / from);
}

}  // namespace

std::optional<WindowPlaces> read_window_places(std::string_view bytes) {
    if (bytes.size() > kMostBytes) {
        return std::nullopt;
    }
    const json file = json::parse(bytes, nullptr, false);
    if (!file.is_object()) {
        return std::nullopt;
    }
    WindowPlaces read;
    const auto dpi = integer(file.value("dpi", json()), kLeastDpi, kMostDpi);
    if (!dpi) {
        return std::nullopt;
    }
    read.dpi = *dpi;
    for (int kind = 0; kind < static_cast<int>(ToolWindowKind::kCount); ++kind) {
        if (!file.contains(name_of(kind))) {
            continue;
        }
        read.places[kind] = rect(file.at(name_of(kind)));
        if (!read.places[kind]) {
            return std::nullopt;
        }
    }
    return read;
}

std::string write_window_places(const WindowPlaces& places) {
    ordered_json file;
    file["dpi"] = places.dpi;
    for (int kind = 0; kind < static_cast<int>(ToolWindowKind::kCount); ++kind) {
        if (const auto& place = places.places[kind]) {
            file[name_of(kind)] = {place->left, place->top, place->right - place->left,
                                   place->bottom - place->top};
        }
    }
    return file.dump() + "\n";
}

WindowPlaces window_places_at(const WindowPlaces& places, int dpi) {
    WindowPlaces at{dpi, {}};
    for (int kind = 0; kind < static_cast<int>(ToolWindowKind::kCount); ++kind) {
        if (const auto& place = places.places[kind]) {
            at.places[kind] =
                ScreenRect{place->left, place->top,
                           place->left + scaled(place->right - place->left, dpi, places.dpi),
                           place->top + scaled(place->bottom - place->top, dpi, places.dpi)};
        }
    }
    return at;
}

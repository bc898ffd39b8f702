#include "view/run_marker.h"

#include <charconv>

namespace {

// Reads a decimal number and the one character after it.
template <typename Number>
bool read_number(std::string_view& text, Number& number, char after) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const std::size_t read = static_cast<std::size_t>(end - text.data());
    if (error != std::errc{} || read >= text.size() || text[read] != after) {
        return false;
    }
    text.remove_prefix(read + 1);
    return true;
}

}  // namespace

std::string run_marker_text(const RunMarker& marker) {
    return std::to_string(marker.processId) + " " + std::to_string(marker.creationTime) + "\r\n";
}

bool read_run_marker(std::string_view text, RunMarker& marker) {
    RunMarker read{};
    if (!read_number(text, read.processId, ' ') || !read_number(text, read.creationTime, '\r') ||
        text != "\n") {
        return false;
    }
    marker = read;
    return true;
}

StartUpPlan plan_start_up(MarkerFound found, bool lastSessionExists) {
    switch (found) {
        case MarkerFound::kOwnerRuns:
            return {false, false};
        case MarkerFound::kOwnerGone:
            return {lastSessionExists, true};
        case MarkerFound::kNone:
            break;
    }
    return {false, true};
}

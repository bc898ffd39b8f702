#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The marker a running window keeps in %APPDATA%\Soramito: found at start with its process gone,
// it tells that the run before did not end cleanly.

struct RunMarker {
    std::uint32_t processId;
    std::uint64_t creationTime;  // the process's, so that a reused id is not taken for it
};

// "4242 133525000000000000\r\n"
std::string run_marker_text(const RunMarker& marker);

// False for anything else than what run_marker_text writes (a marker cut short, say).
bool read_run_marker(std::string_view text, RunMarker& marker);

enum class MarkerFound {
    kNone,
    kOwnerRuns,  // another copy of the program runs
    kOwnerGone,  // the run that wrote it ended without removing it; so does a marker unread
};

struct StartUpPlan {
    bool askFirst;    // whether to restore the last session
    bool takeMarker;  // write this run's marker
};

// What the start does about the marker found and the last session. A second copy, started while
// the first runs, asks nothing and leaves the first's marker alone.
StartUpPlan plan_start_up(MarkerFound found, bool lastSessionExists);

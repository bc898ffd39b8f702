#pragma once

#include "view/run_marker.h"

// The marker of a running window, %APPDATA%\Soramito\running.

// What the marker found at start tells: none, another copy running, or a run that did not end
// cleanly (its process gone, or the marker unreadable).
MarkerFound find_run_marker();

// This run's marker.
class RunMarkerFile {
public:
    // Writes it: this process's id and creation time.
    void take();
    // At a clean exit and at the end of the Windows session: removes it, if this run wrote it and
    // it is still this run's.
    void remove();

private:
    bool taken_ = false;
    RunMarker marker_{};
};

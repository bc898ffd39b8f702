#pragma once

#include "view/run_marker.h"

// The marker of a running window, %APPDATA%\Soramito\running.

// What the marker found at start tells: none, another copy running, or a run that did not end
// cleanly (its process gone, or the marker unreadable).
MarkerFound find_run_marker();

// Writes this run's marker: its process id and creation time.
void take_run_marker();

// At a clean exit and at the end of the Windows session: removes the marker, if this run wrote
// it and it is still this run's.
void remove_run_marker();

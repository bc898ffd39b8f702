#include "win32/run_marker_file.h"

#include <windows.h>

#include <string>

#include "win32/safe_file.h"

namespace {

constexpr wchar_t kMarkerName[] = L"running";

std::uint64_t creation_time(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    return (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

// Whether the process that wrote the marker still runs: the same id, born at the same time.
bool process_runs(const RunMarker& marker) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, marker.processId);
    if (process == nullptr) {
        // One we may not look at runs, all the same.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD exitCode = 0;
    const bool runs = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE &&
                      creation_time(process) == marker.creationTime;
    CloseHandle(process);
    return runs;
}

bool read_marker(RunMarker& marker) {
    std::string text;
    std::wstring why;
    return read_file_bytes(kept_file_path(kMarkerName), text, why) && read_run_marker(text, marker);
}

}  // namespace

MarkerFound find_run_marker() {
    if (!file_exists(kept_file_path(kMarkerName))) {
        return MarkerFound::kNone;
    }
    RunMarker marker{};
    return read_marker(marker) && process_runs(marker) ? MarkerFound::kOwnerRuns
                                                       : MarkerFound::kOwnerGone;
}

void RunMarkerFile::take() {
    marker_ = {GetCurrentProcessId(), creation_time(GetCurrentProcess())};
    taken_ = write_kept_file(kMarkerName, run_marker_text(marker_));
}

void RunMarkerFile::remove() {
    RunMarker found{};
    // Only while it is still this run's: a copy started after this one ended may own it now.
    if (taken_ && read_marker(found) && found.processId == marker_.processId &&
        found.creationTime == marker_.creationTime) {
        DeleteFileW(kept_file_path(kMarkerName).c_str());
    }
    taken_ = false;
}

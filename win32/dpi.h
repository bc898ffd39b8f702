#pragma once

#include <windows.h>

// The DPI a window is shown at: its monitor's where Windows tells it (Windows 10 1607 on), else
// the system's.
int window_dpi(HWND window);

// The system's DPI, for a window that is still to be made.
int system_dpi();

// The size of a window of the given style, with a menu or without, whose client area is
// width × height at dpi.
SIZE window_size_for_client(int width, int height, DWORD style, bool menu, int dpi);

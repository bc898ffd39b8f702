#pragma once

#include <windows.h>

// The 検索結果 window: the last search's results over the whole range as a table, and on a second
// tab the positions that hold whichever matching sequence it is. Owned by the main window, it
// keeps its place and size while the program runs.

// 一覧 and Ctrl+L: opens it, or brings it to the front.
void show_results_window(HWND owner);

// After every 検索: the tables afresh.
void refill_results_window();

// After every change of the state: the stale mark in its title, the spends from lane 0.
void follow_main_window();

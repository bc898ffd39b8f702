#pragma once

#include <windows.h>

// The 記録 window: each 実行 of the session, one line each, newest last. Owned by the main
// window, it keeps its place while the program runs.

// 編集 → 記録: opens it, or brings it to the front.
void show_record_window(HWND owner);

// After every change of the state: the lines afresh when the record changed (実行, 元に戻す,
// 新規, 開く).
void show_record();

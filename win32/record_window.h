#pragma once

#include <windows.h>

#include <memory>

#include "state/history.h"

class MainWindow;

// The 記録 window: each 実行 of the session, one line each, newest last. Owned by the main
// window, it keeps its place while the program runs.
class RecordWindow {
public:
    explicit RecordWindow(MainWindow& main) : main_(main) {}

    // 編集 → 記録: opens it, or brings it to the front.
    void open();
    // After every change: the lines afresh when the record changed (実行, 元に戻す, 新規, 開く).
    void follow();

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool create();
    void fill_list();

    MainWindow& main_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    HWND list_ = nullptr;
    std::unique_ptr<History> shown_;  // the record the list holds
};

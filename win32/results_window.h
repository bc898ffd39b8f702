#pragma once

#include <windows.h>

#include <cstdint>

#include "view/result_table.h"

class MainWindow;

// The 検索結果 window: the last search's results over the whole range as a table, and on a second
// tab the positions that hold whichever matching sequence it is. Owned by the main window, it
// keeps its place and size while the program runs.
class ResultsWindow {
public:
    explicit ResultsWindow(MainWindow& main) : main_(main) {}

    // 一覧 and Ctrl+L: opens it, or brings it to the front.
    void open();
    // After every change: the tables afresh after a search (or another session), else the stale
    // mark in its title and the spends from lane 0.
    void follow();

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool create();
    void refill();
    ResultTable& shown_table() { return tables_[shown_]; }
    int lane_position() const;
    void show_title();
    int text_width(const ResultTable& table, int column);
    void show_sort_arrow();
    void show_count();
    void show_table();
    void show_tabs();
    void lay_out(int width, int height);
    void copy_rows();
    void save_table();
    void act_on_row();
    LRESULT on_notify(const NMHDR& header);

    MainWindow& main_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    HWND tabs_ = nullptr;
    HWND list_ = nullptr;
    HWND save_ = nullptr;
    HWND count_ = nullptr;
    ResultTable tables_[2];  // 結果, どれでも
    int shown_ = 0;
    bool hasCommon_ = false;
    std::uint32_t search_ = 0;  // the number of the search the tables hold
};

#pragma once

#include <windows.h>

#include <optional>

class MainWindow;

// The 手順 window: the steps of the turn plan, and the buttons that add, replace, recall, move
// and delete them. Owned by the main window, it keeps its place while the program runs.
class PlanWindow {
public:
    explicit PlanWindow(MainWindow& main) : main_(main) {}

    // 条件 → 手順…: opens it, or brings it to the front.
    void open();
    // After every change: the list as the plan stands.
    void follow();

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool create();
    int selected_step() const;
    void enable_buttons();
    void fill_list(int selected);
    bool clear_confirmed();
    void press(int index);
    void lay_out(int width, int height);

    MainWindow& main_;
    // While a press's change runs: the step it selects, which the list shows as it follows.
    std::optional<int> pressSelects_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    HWND list_ = nullptr;
};

#pragma once

#include <windows.h>

// The 手順 window: the steps of the turn plan, and the buttons that add, replace, recall, move
// and delete them. Owned by the main window, it keeps its place while the program runs.

// 条件 → 手順…: opens it, or brings it to the front.
void show_plan_window(HWND owner);

// The list as the plan stands, after any change of the state.
void show_plan_steps();

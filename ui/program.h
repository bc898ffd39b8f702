#pragma once

#include <windows.h>

#include "state/app_state.h"

// The window and drawing handles, kept beside the portable state record.
struct WindowHandles {
    HINSTANCE instance;
    HWND mainWindow;
    HMENU mainMenu;
    HWND markEdit;
    HWND positionEdits[kLaneCount];
    HFONT normalFont;
    HFONT underlineFont;
    HPEN blackPen;
    HPEN predictPen;
};

// The one state of the program and its handles, in static storage for the whole run.
AppState& app_state();
WindowHandles& window_handles();

// Registers the class "template", creates and shows the main window; false when either fails.
bool open_main_window(HINSTANCE instance, int showCommand);

// The message loop; returns the exit code of the quit message.
int run_message_loop();

// The entry's work: open the window and run the loop (0 when the window cannot be opened).
int run_program(HINSTANCE instance, int showCommand);

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The parts of the window procedure.
void create_main_window_contents(HWND window);
void paint_main_window(HWND window);
void handle_main_command(HWND window, WPARAM command);
void handle_mark_timer(HWND window);
void handle_candidate_click(HWND window, int lane, LPARAM point);
// Redraws the whole client area of window, without erasing it.
void invalidate_window(HWND window);

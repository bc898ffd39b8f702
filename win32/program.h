#pragma once

#include <windows.h>

#include <string>

#include "view/window_state.h"

// The main window opens the tool windows and the dialogs, and they call back here, into the main
// window, when they change the state (a row taken, a step recalled, a dialog's OK): so the main
// window, its commands, the tool windows and the dialogs include one another. This stays a plain
// call on purpose: there is one thread and one state, and the window is redrawn at once, in the
// same step of 元に戻す as the change, which a posted message would split in two.

// Posted at the end of the start-up: what went wrong is said once the window is up.
constexpr UINT kShowStartUpMessage = WM_APP + 1;

// The window and drawing handles, kept beside the portable state record.
struct WindowHandles {
    HINSTANCE instance;
    HWND mainWindow;
    HWND markEdit;
    HWND positionEdits[kLaneCount];
    HACCEL accelerators;
    HWND focusedControl;  // has the focus, or had it when the window went inactive
    HFONT normalFont;
    HFONT underlineFont;
    HPEN blackPen;
    HPEN predictPen;
    int dpi;  // the fonts' and pens'
};

// The one state of the program and its handles, in static storage for the whole run.
WindowState& app_state();
// The tables the start-up reads, which the state refers to.
Tables& program_tables();
WindowHandles& window_handles();

// Registers the class "template", creates and shows the main window, with the session file to
// open (none when empty); false when either fails.
bool open_main_window(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen = L"");

// One message as the message loop handles it: a key of the program's becomes its command, any
// other message is translated and dispatched.
void process_message(MSG& message);

// The message loop; returns the exit code of the quit message.
int run_message_loop();

// The entry's work: open the window and run the loop (0 when the window cannot be opened).
int run_program(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen);

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The parts of the window procedure.
void create_main_window_contents(HWND window, const std::wstring& fileToOpen);
void paint_main_window(HWND window);
// A menu item's, a button's or a key's command (a notification of an edit box is none).
void handle_main_command(HWND window, int id);
void handle_mark_timer(HWND window);
void handle_candidate_click(HWND window, int lane, LPARAM point);
// Redraws the whole client area of window, without erasing it.
void invalidate_window(HWND window);

// The 条件 items that need a unit: enabled once a status is set, grayed without one.
void enable_unit_items(HWND window, bool enabled);

#pragma once

// Plays the user in the program's own window, run in this process: the Win32 tests and the
// pictures of the players' guide go through the same steps.

#include <windows.h>

#include <functional>
#include <string>

// A Shift-JIS text of the program's (a literal of a source compiled to Shift-JIS) as the
// window shows it.
std::wstring wide(const char* shiftJis);

// Dispatches the thread's messages for a while, so that timers fire and paints happen; false
// when a quit message came (it is not dispatched).
bool pump_messages(DWORD milliseconds);

// Types text into the pattern box and dispatches messages until the timer has read it (on a
// busy machine that may take several periods); false when it never did.
bool type_pattern(const std::wstring& text);

// A menu command or a button of the main window.
void command(WPARAM id);
// A click on a dialog's button, handled at once.
void click(HWND dialog, int id);
// A press of a dialog's button that may end it, handled by the dialog's own loop.
void press(HWND dialog, int id);
// A pick in a dialog's list, as the user makes it: the selection, then its notification.
void choose(HWND dialog, int id, int position);

// Runs action while script answers each dialog or message box it shows, from inside the box's
// own message loop (a timer started as the box is activated); the script ends the box.
void with_boxes(const std::function<void()>& action, std::function<void(HWND)> script);

// Opens a dialog from the menu and lets script play the user inside it; false when no dialog
// was shown.
bool with_dialog(int menuCommand, std::function<void(HWND)> script);

#pragma once

// Plays the user in the program's own window, run in this process: the Win32 tests and the
// pictures of the players' guide go through the same steps.

#include <windows.h>

#include <functional>
#include <string>

#include "view/key_commands.h"

// A Shift-JIS text of the program's (a literal of a source compiled to Shift-JIS) as the
// window shows it.
std::wstring wide(const char* shiftJis);

// Handles the thread's messages for a while as the program's message loop does, so that timers
// fire, paints happen and keys reach their commands; false when a quit message came (it is not
// handled).
bool pump_messages(DWORD milliseconds);

// Presses a key as the keyboard does: the modifiers (kKeyCtrl…) go down and stay down in the
// keyboard state, the key goes down, the modifiers go up before the key, as a quick hand lets
// them go. Each key's messages are posted to the window that has the focus (or the active one)
// and handled by the program's message loop.
void press_key(UINT key, unsigned modifiers = 0);

// Types text into the control that has the focus, a character message each.
void type_text(const std::wstring& text);

// Types text into the pattern box and dispatches messages until the window has read it; false
// when it never did.
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

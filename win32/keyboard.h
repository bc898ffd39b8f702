#pragma once

#include <windows.h>

// The program's keys on Windows: the accelerator table and the menu texts made from the key
// table, the keys a focused edit box keeps, and the focus that a window moving it among its
// controls keeps across deactivation.

// The accelerator table of every key of the program.
HACCEL create_key_table();

// Shows each key after a tab in the text of its command's menu item.
void show_keys_in_menu(HMENU menu);

// Whether the message is a key press that the focused edit box keeps for itself.
bool key_for_edit_box(const MSG& message);

// WM_ACTIVATE and WM_SETFOCUS of a window whose controls take the focus: the control that had it
// is kept when the window goes inactive and given it back when the window gets it. True when the
// message is handled.
bool keep_control_focus(HWND window, UINT message, WPARAM wParam, HWND& kept);

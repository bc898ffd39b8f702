#pragma once

#include <windows.h>

#include <string>

#include "view/placement.h"

// The program's modeless windows beside the main one (検索結果, 手順): owned by it, hidden rather
// than closed so that they open again where the player left them, scaled by their DPI, and
// moving the focus among their controls with Tab.

// Registers the class once and makes the window, width × height at 96 dpi scaled to dpi, beside
// the main window (its owner) on its monitor, level with its top or bottom.
HWND create_tool_window(HWND owner, const wchar_t* className, WNDPROC procedure,
                        const std::wstring& title, int width, int height, int dpi, Align align);

// A child control, in the font of dialogs; with WS_TABSTOP, Tab stops at it.
HWND create_tool_child(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                       int id);

// WM_CLOSE hides the window; WM_DPICHANGED takes the suggested rectangle and the new dpi; the
// focus stays with the control that had it while the window is inactive. True when the message
// is handled.
bool handle_tool_window_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int& dpi);

// Tab, Shift+Tab, Enter and Esc in a tool window, as in a dialog; true when the message was one
// of a tool window's and is handled.
bool handle_tool_window_keys(MSG& message);

#pragma once

#include <windows.h>

#include <string>

// The program's modeless windows beside the main one (検索結果, 手順): owned by it, hidden rather
// than closed so that they open again where the player left them, and scaled by their DPI.

// Registers the class once and makes the window, width × height at 96 dpi scaled to dpi.
HWND create_tool_window(HWND owner, const wchar_t* className, WNDPROC procedure,
                        const std::wstring& title, int width, int height, int dpi);

// A child control, in the font of dialogs.
HWND create_tool_child(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                       int id);

// WM_CLOSE hides the window; WM_DPICHANGED takes the suggested rectangle and the new dpi. True
// when it was one of those.
bool handle_tool_window_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int& dpi);

#pragma once

#include <windows.h>

#include <string>

// A message box of the program: every one is captioned "ソラミト", so that the player knows
// whose it is. Returns the button pressed.
int say(HWND owner, const std::wstring& text, UINT style);

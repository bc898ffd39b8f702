#pragma once

#include <string>
#include <string_view>

#include <windows.h>

// The engine's texts are Shift-JIS; the window speaks UTF-16 through the wide API, so the
// program reads right whatever the system's code page. Conversions use code page 932 always.

constexpr int kWideTextCapacity = 2048;

struct WideText {
    wchar_t text[kWideTextCapacity];
    int length;
};

// Shift-JIS bytes to UTF-16, NUL-terminated; a longer text is cut to the capacity on a
// character boundary.
WideText wide_from_shift_jis(std::string_view shiftJis);

// The same for a text of any length, such as a whole table copied to the clipboard.
std::wstring wide_string_from_shift_jis(std::string_view shiftJis);

// UTF-16 to NUL-terminated Shift-JIS in out, which holds two bytes per character and one
// more; characters without a Shift-JIS form become "?".
void shift_jis_from_wide(const wchar_t* text, char* out, int capacity);

// The same for a text of any length, such as a box's whole text.
std::string shift_jis_string_from_wide(std::wstring_view text);

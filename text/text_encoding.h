#pragma once

#include <string>
#include <string_view>

// UTF-8 to Shift-JIS (code page 932). False when the text is not valid UTF-8 or holds a
// character that code page 932 lacks.
bool utf8_to_shift_jis(std::string_view utf8, std::string& shiftJis);

// Shift-JIS to UTF-8; a byte sequence that is no Shift-JIS character becomes U+FFFD, so the
// result is always valid UTF-8.
std::string shift_jis_to_utf8(std::string_view shiftJis);

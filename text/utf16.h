#pragma once

#include <string>
#include <string_view>

// UTF-8 and the UTF-16 of the Windows wide API, for the Windows build of the command line.

// False when the text is not valid UTF-8; each bad sequence then becomes U+FFFD.
bool utf16_from_utf8(std::string_view utf8, std::wstring& utf16);
std::wstring utf16_from_utf8(std::string_view utf8);

// A lone surrogate becomes U+FFFD.
std::string utf8_from_utf16(std::wstring_view utf16);

#include "text/utf16.h"

#include <windows.h>

namespace {

std::wstring converted(std::string_view utf8, DWORD flags) {
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, flags, utf8.data(), size, utf16.data(), length);
    return utf16;
}

}  // namespace

bool utf16_from_utf8(std::string_view utf8, std::wstring& utf16) {
    utf16 = converted(utf8, MB_ERR_INVALID_CHARS);
    if (!utf16.empty() || utf8.empty()) {
        return true;
    }
    utf16 = converted(utf8, 0);
    return false;
}

std::wstring utf16_from_utf8(std::string_view utf8) {
    std::wstring utf16;
    utf16_from_utf8(utf8, utf16);
    return utf16;
}

std::string utf8_from_utf16(std::wstring_view utf16) {
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

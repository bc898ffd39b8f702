// The Windows build's output: a console gets wide characters, anything else the bytes.
#include "cli/console_output.h"

#include <windows.h>

#include "text/utf16.h"

namespace {

// Consoles refuse very long writes; a piece ends before a high surrogate, never inside a pair.
constexpr std::size_t kConsolePiece = 8192;

void write_console(HANDLE console, const std::wstring& text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = std::min(kConsolePiece, text.size() - at);
        if (at + length < text.size() && IS_HIGH_SURROGATE(text[at + length - 1])) {
            --length;
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(length), &written,
                           nullptr) ||
            written == 0) {
            return;
        }
        at += written;
    }
}

void write_bytes(HANDLE file, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written,
                       nullptr) ||
            written == 0) {
            return;
        }
        at += written;
    }
}

}  // namespace

void write_output(OutputStream stream, const std::string& utf8) {
    const HANDLE handle = GetStdHandle(stream == OutputStream::kStandardOutput ? STD_OUTPUT_HANDLE
                                                                               : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD mode;
    if (GetConsoleMode(handle, &mode)) {
        write_console(handle, utf16_from_utf8(utf8));
    } else {
        write_bytes(handle, utf8);
    }
}

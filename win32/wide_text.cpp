#include "win32/wide_text.h"

#include "data/text_reader.h"

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

WideText wide_from_shift_jis(std::string_view shiftJis) {
    WideText wide{};
    // Every character of code page 932 is one UTF-16 unit, so what fits is the text's first
    // kWideTextCapacity - 1 characters; should a malformed pair come out longer, fewer are taken.
    for (int characters = kWideTextCapacity - 1; characters > 0 && wide.length == 0;
         characters /= 2) {
        std::size_t bytes = 0;
        for (int c = 0; c < characters && bytes < shiftJis.size(); ++c) {
            const bool pair = is_shift_jis_lead_byte(static_cast<unsigned char>(shiftJis[bytes])) &&
                              bytes + 1 < shiftJis.size();
            bytes += pair ? 2 : 1;
        }
        if (bytes == 0) {
            break;
        }
        wide.length = MultiByteToWideChar(kCodePage932, 0, shiftJis.data(), static_cast<int>(bytes),
                                          wide.text, kWideTextCapacity - 1);
    }
    wide.text[wide.length] = L'\0';
    return wide;
}

std::wstring wide_string_from_shift_jis(std::string_view shiftJis) {
    const int bytes = static_cast<int>(shiftJis.size());
    const int length = MultiByteToWideChar(kCodePage932, 0, shiftJis.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage932, 0, shiftJis.data(), bytes, wide.data(), length);
    return wide;
}

// No best fit: a character without a Shift-JIS form must not turn into a look-alike letter (an
// "o" would read as a mark).
void shift_jis_from_wide(const wchar_t* text, char* out, int capacity) {
    const int written = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text, -1, out,
                                            capacity, nullptr, nullptr);
    if (written == 0) {
        out[0] = '\0';
    }
}

std::string shift_jis_string_from_wide(std::wstring_view text) {
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                          nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), bytes,
                        nullptr, nullptr);
    return out;
}

#include "ui/wide_text.h"

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

WideText wide_from_shift_jis(std::string_view shiftJis) {
    WideText wide{};
    if (!shiftJis.empty()) {
        wide.length =
            MultiByteToWideChar(kCodePage932, 0, shiftJis.data(), static_cast<int>(shiftJis.size()),
                                wide.text, kWideTextCapacity - 1);
    }
    wide.text[wide.length] = L'\0';
    return wide;
}

void shift_jis_from_wide(const wchar_t* text, char* out, int capacity) {
    // No best fit: a character without a Shift-JIS form must not turn into a look-alike
    // letter (an "o" would read as a mark).
    const int written = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text, -1, out,
                                            capacity, nullptr, nullptr);
    if (written == 0) {
        out[0] = '\0';
    }
}

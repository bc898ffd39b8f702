// The Windows build's conversions, through the system's code page 932, made to give what the
// Linux build gives with the C library's CP932, so that both command lines print the same
// bytes: the single bytes 0x80, 0xA0 and 0xFD to 0xFF are no characters there, and nine
// characters that Windows maps only as look-alikes have a Shift-JIS form of their own.
#include <windows.h>

#include "data/text_reader.h"
#include "text/text_encoding.h"
#include "text/utf16.h"

namespace {

constexpr UINT kCodePage932 = 932;

struct OneWayForm {
    wchar_t character;
    const char* shiftJis;
};

constexpr OneWayForm kOneWayForms[] = {
    {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, "\x5C"},
    {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"},
};

bool is_no_character(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

// Appends the one character that bytes encode; false when they encode none.
bool decode_character(std::string_view bytes, std::wstring& utf16) {
    wchar_t character;
    if (is_no_character(static_cast<unsigned char>(bytes[0])) ||
        MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(),
                            static_cast<int>(bytes.size()), &character, 1) != 1) {
        return false;
    }
    utf16 += character;
    return true;
}

bool encode_character(wchar_t character, std::string& shiftJis) {
    for (const OneWayForm& form : kOneWayForms) {
        if (form.character == character) {
            shiftJis += form.shiftJis;
            return true;
        }
    }
    char bytes[2];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                           sizeof bytes, nullptr, &usedDefault);
    if (length == 0 || usedDefault ||
        (length == 1 && is_no_character(static_cast<unsigned char>(bytes[0])))) {
        return false;
    }
    shiftJis.append(bytes, static_cast<std::size_t>(length));
    return true;
}

}  // namespace

bool utf8_to_shift_jis(std::string_view utf8, std::string& shiftJis) {
    shiftJis.clear();
    std::wstring utf16;
    if (!utf16_from_utf8(utf8, utf16)) {
        return false;
    }
    for (const wchar_t character : utf16) {
        if (!encode_character(character, shiftJis)) {
            return false;
        }
    }
    return true;
}

std::string shift_jis_to_utf8(std::string_view shiftJis) {
    std::wstring utf16;
    std::size_t at = 0;
    while (at < shiftJis.size()) {
        const bool pair = is_shift_jis_lead_byte(static_cast<unsigned char>(shiftJis[at])) &&
                          at + 1 < shiftJis.size();
        const std::size_t length = pair ? 2 : 1;
        if (decode_character(shiftJis.substr(at, length), utf16)) {
            at += length;
        } else {
            utf16 += L'\xFFFD';
            ++at;
        }
    }
    return utf8_from_utf16(utf16);
}

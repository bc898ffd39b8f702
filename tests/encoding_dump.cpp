// Prints both conversions of the command line for every one- and two-byte Shift-JIS sequence
// and every character of the Basic Multilingual Plane. The Windows build converts through the
// system's code page and the Linux build through the C library, so the two dumps, compared
// under Wine, show that both builds print the same names and refuse the same texts.
#include <cstdio>
#include <string>

#include "cli/console_output.h"
#include "cli/text_encoding.h"

namespace {

std::string hex(const std::string& bytes) {
    std::string text;
    for (const unsigned char byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        text += digits;
    }
    return text;
}

std::string utf8_of_code_point(unsigned c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    if (c < 0x800) {
        return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

}  // namespace

int main() {
    std::string dump;
    for (unsigned sequence = 0; sequence < 0x10000; ++sequence) {
        const std::string bytes = sequence < 0x100 ? std::string(1, static_cast<char>(sequence))
                                                   : std::string{static_cast<char>(sequence >> 8),
                                                                 static_cast<char>(sequence)};
        dump += hex(bytes) + " " + hex(shift_jis_to_utf8(bytes)) + "\n";
    }
    for (unsigned c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) {
            continue;
        }
        std::string shiftJis;
        dump += std::to_string(c) + " " +
                (utf8_to_shift_jis(utf8_of_code_point(c), shiftJis) ? hex(shiftJis) : "-") + "\n";
    }
    write_output(OutputStream::kStandardOutput, dump);
}

#include "data/text_reader.h"

#include <limits>

namespace {

bool is_digit(int byte) {
    return byte >= '0' && byte <= '9';
}

// Accumulates decimal digits with saturation, so any number of digits stays defined.
std::int64_t add_digit(std::int64_t magnitude, int digit) {
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    const std::int64_t next = magnitude * 10 + digit;
    return next > kLimit ? kLimit : next;
}

std::int32_t clamp_signed(std::int64_t magnitude, bool negative) {
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

TextReader reader_over_file(std::FILE* file) {
    return TextReader{file, {}, 0};
}

TextReader reader_over_bytes(std::string_view bytes) {
    return TextReader{nullptr, bytes, 0};
}

int reader_get(TextReader& reader) {
    if (reader.file != nullptr) {
        const int byte = std::getc(reader.file);
        return byte == EOF ? kEndOfText : byte;
    }
    if (reader.offset >= reader.bytes.size()) {
        return kEndOfText;
    }
    return static_cast<unsigned char>(reader.bytes[reader.offset++]);
}

void reader_unget(TextReader& reader, int byte) {
    if (byte == kEndOfText) {
        return;
    }
    if (reader.file != nullptr) {
        std::ungetc(byte, reader.file);
    } else {
        --reader.offset;
    }
}

bool is_scan_space(int byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

void skip_space(TextReader& reader) {
    int byte = reader_get(reader);
    while (is_scan_space(byte)) {
        byte = reader_get(reader);
    }
    reader_unget(reader, byte);
}

bool scan_int(TextReader& reader, std::int32_t& value) {
    skip_space(reader);
    int byte = reader_get(reader);
    bool negative = false;
    if (byte == '-' || byte == '+') {
        negative = byte == '-';
        byte = reader_get(reader);
    }
    if (!is_digit(byte)) {
        reader_unget(reader, byte);
        return false;
    }
    std::int64_t magnitude = 0;
    while (is_digit(byte)) {
        magnitude = add_digit(magnitude, byte - '0');
        byte = reader_get(reader);
    }
    reader_unget(reader, byte);
    value = clamp_signed(magnitude, negative);
    return true;
}

bool scan_literal(TextReader& reader, char expected) {
    const int byte = reader_get(reader);
    if (byte == static_cast<unsigned char>(expected)) {
        return true;
    }
    reader_unget(reader, byte);
    return false;
}

bool scan_word(TextReader& reader, char* word, std::size_t capacity, std::size_t* runLength) {
    skip_space(reader);
    int byte = reader_get(reader);
    if (byte == kEndOfText) {
        return false;
    }
    std::size_t length = 0;
    std::size_t run = 0;
    while (byte != kEndOfText && !is_scan_space(byte)) {
        if (length + 1 < capacity) {
            word[length++] = static_cast<char>(byte);
        }
        ++run;
        byte = reader_get(reader);
    }
    reader_unget(reader, byte);
    word[length] = '\0';
    if (runLength != nullptr) {
        *runLength = run;
    }
    return true;
}

bool is_shift_jis_lead_byte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t whole_characters(const char* text, std::size_t length) {
    std::size_t whole = 0;
    while (whole < length) {
        const bool pair = is_shift_jis_lead_byte(static_cast<unsigned char>(text[whole]));
        if (pair && whole + 1 >= length) {
            break;
        }
        whole += pair ? 2 : 1;
    }
    return whole;
}

std::int32_t text_to_long(const char* text) {
    std::size_t i = 0;
    while (is_scan_space(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    while (is_digit(static_cast<unsigned char>(text[i]))) {
        magnitude = add_digit(magnitude, text[i] - '0');
        ++i;
    }
    return clamp_signed(magnitude, negative);
}

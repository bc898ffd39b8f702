#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// A byte source for the two start-up files: an open stream, or a buffer in memory. The scan
// helpers behave like the C library's formatted input, which is how the files are defined:
// one byte of push-back, white space as isspace gives it in the "C" locale.
struct TextReader {
    std::FILE* file;
    std::string_view bytes;
    std::size_t offset;
};

constexpr int kEndOfText = -1;

TextReader reader_over_file(std::FILE* file);
TextReader reader_over_bytes(std::string_view bytes);

int reader_get(TextReader& reader);
void reader_unget(TextReader& reader, int byte);

// Hands a file opened for reading as text to read and closes it; false when it could not be
// opened (nullptr) or read.
template <class Read>
bool read_text_file(std::FILE* file, Read read) {
    if (file == nullptr) {
        return false;
    }
    TextReader reader = reader_over_file(file);
    read(reader);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    return !readFailed;
}

bool is_scan_space(int byte);
void skip_space(TextReader& reader);

// "%d": white space, an optional sign and decimal digits. A number beyond the 32-bit range is
// clamped to it. Without a digit nothing is stored and false is returned; as with the C
// library, a sign read before the failure stays consumed.
bool scan_int(TextReader& reader, std::int32_t& value);

// A literal byte of a scan format: consumed when it is next, else left unread.
bool scan_literal(TextReader& reader, char expected);

// "%s": skips white space, then reads one run of other bytes; the first capacity - 1 of them
// are kept, NUL-terminated, and the rest of the run is skipped (runLength, if given, is the whole
// run's). False at the end of the text.
bool scan_word(TextReader& reader, char* word, std::size_t capacity,
               std::size_t* runLength = nullptr);

// The first byte of a double-byte Shift-JIS character.
bool is_shift_jis_lead_byte(unsigned char byte);

// How many of the first length bytes of a Shift-JIS text are whole characters: all of them, or
// one fewer where the last one opens a double-byte character that they cut.
std::size_t whole_characters(const char* text, std::size_t length);

// The C library's atol on a NUL-terminated text, clamped to the 32-bit range.
std::int32_t text_to_long(const char* text);

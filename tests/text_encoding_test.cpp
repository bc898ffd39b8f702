#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "text/text_encoding.h"

namespace {

// The literals are Shift-JIS, as the engine's texts are; UTF-8 is written out in bytes.
TEST(TextEncoding, ConvertsShiftJisAndUtf8BothWays) {
    // Shift-JIS, its UTF-8: a byte that begins no character is U+FFFD, and the next one is read.
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""}, {"a三", "a\xE4\xB8\x89"}, {"a\xFF" "b\x81", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"}};
    // clang-format on
    for (const auto& [shiftJis, utf8] : cases) {
        EXPECT_EQ(shift_jis_to_utf8(shiftJis), utf8);
        std::string back;
        EXPECT_EQ(utf8_to_shift_jis(utf8, back), utf8.find("\xEF\xBF\xBD") == std::string::npos);
        EXPECT_EQ(back, utf8.find("\xEF\xBF\xBD") == std::string::npos ? shiftJis : "a") << utf8;
    }
    // Not UTF-8, and a character that Shift-JIS lacks.
    for (const std::string utf8 : {"a\xFF", "\xF0\x9F\x98\x80"}) {
        std::string shiftJis;
        EXPECT_FALSE(utf8_to_shift_jis(utf8, shiftJis)) << utf8;
    }
}

}  // namespace

#include "view/number_boxes.h"

#include "data/text_reader.h"
#include "random/random_table.h"

namespace {

// ０ is 0x82 0x4F in Shift-JIS, ９ 0x82 0x58.
constexpr unsigned char kFullWidthDigitLead = 0x82;
constexpr unsigned char kFullWidthZero = 0x4F;
constexpr unsigned char kFullWidthNine = 0x58;

bool is_ascii_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string with_ascii_digits(std::string_view shiftJis) {
    std::string text;
    text.reserve(shiftJis.size());
    for (std::size_t i = 0; i < shiftJis.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(shiftJis[i]);
        if (!is_shift_jis_lead_byte(byte) || i + 1 == shiftJis.size()) {
            text.push_back(shiftJis[i]);
            continue;
        }
        const unsigned char trail = static_cast<unsigned char>(shiftJis[i + 1]);
        if (byte == kFullWidthDigitLead && trail >= kFullWidthZero && trail <= kFullWidthNine) {
            text.push_back(static_cast<char>('0' + (trail - kFullWidthZero)));
        } else {
            text.append(shiftJis.substr(i, 2));
        }
        ++i;
    }
    return text;
}

namespace {

NumberReading read_lane_position(const std::string& ascii) {
    constexpr NumberReading kRefused{NumberBox::kRefused, 0};
    std::size_t i = 0;
    const auto skip_blanks = [&] {
        while (i < ascii.size() && is_scan_space(static_cast<unsigned char>(ascii[i]))) {
            ++i;
        }
    };
    skip_blanks();
    const std::size_t number = i;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) {
        ++i;
    }
    const std::size_t digits = i;
    while (i < ascii.size() && is_ascii_digit(ascii[i])) {
        ++i;
    }
    if (i == digits) {
        return kRefused;
    }
    const std::int32_t value = text_to_long(ascii.substr(number, i - number).c_str());
    skip_blanks();
    if (i != ascii.size() || value < kFirstLanePosition || value > kLastLanePosition) {
        return kRefused;
    }
    return {NumberBox::kNumber, value};
}

NumberReading read_seen_hp(const std::string& ascii) {
    if (ascii.empty()) {
        return {NumberBox::kEmpty, 0};
    }
    std::int32_t hp = 0;
    for (const char c : ascii) {
        hp = hp * 10 + (c - '0');
        if (!is_ascii_digit(c) || hp > kHighestFigure) {
            return {NumberBox::kRefused, 0};
        }
    }
    return {NumberBox::kNumber, hp};
}

}  // namespace

NumberReading read_number(std::string_view text, NumberRule rule) {
    const std::string ascii = with_ascii_digits(text);
    switch (rule) {
        case NumberRule::kFigure: {
            const std::int32_t value = text_to_long(ascii.c_str());
            const bool inRange = value >= kLowestFigure && value <= kHighestFigure;
            return {inRange ? NumberBox::kNumber : NumberBox::kRefused, value};
        }
        case NumberRule::kLanePosition:
            return read_lane_position(ascii);
        case NumberRule::kSeenHp:
            return read_seen_hp(ascii);
    }
    return {NumberBox::kRefused, 0};
}

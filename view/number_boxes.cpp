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

std::int32_t read_number_box(std::string_view text) {
    return text_to_long(with_ascii_digits(text).c_str());
}

bool figure_box_in_range(std::string_view text) {
    const std::int32_t value = read_number_box(text);
    return value >= kLowestFigure && value <= kHighestFigure;
}

std::optional<std::int32_t> read_lane_position(std::string_view text) {
    const std::string ascii = with_ascii_digits(text);
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
        return std::nullopt;
    }
    const std::int32_t value = text_to_long(ascii.substr(number, i - number).c_str());
    skip_blanks();
    if (i != ascii.size() || value < kFirstLanePosition || value > kLastLanePosition) {
        return std::nullopt;
    }
    return value;
}

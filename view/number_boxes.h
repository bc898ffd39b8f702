#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/figure_limits.h"

// How the program's number boxes are read: one function, and each box's rule named here. The
// texts are Shift-JIS; full-width digits, typed with the IME on, count as digits everywhere.

constexpr char kFigureRangeMessage[] = "-999から9999までの数を入れてください";
constexpr char kLanePositionMessage[] = "1から4973までの数を入れてください";
constexpr char kSeenHpMessage[] = "0から9999までの数を入れてください";

enum class NumberRule {
    // A figure box of the status dialog or an n box: read whole as atol reads it, leading blanks,
    // a sign, then digits up to the first non-digit ("12a" is 12, letters alone 0), clamped to
    // the 32-bit range; refused outside the figures' range.
    kFigure,
    // A 移動 box: a whole number from 1 to 4973, blanks around it allowed; anything else
    // ("12abc", "3.5", "0", an empty box) is refused.
    kLanePosition,
    // An HP box of 起きたこと: empty is not seen; digits alone, from 0 to 9999; anything else
    // (a blank, a sign, "1.5") is refused.
    kSeenHp,
};

enum class NumberBox { kEmpty, kNumber, kRefused };

struct NumberReading {
    NumberBox box;
    std::int32_t value;  // a figure box's also when refused; 0 otherwise
};

NumberReading read_number(std::string_view text, NumberRule rule);

// The text with each full-width digit (０ to ９) turned into its ASCII digit.
std::string with_ascii_digits(std::string_view shiftJis);

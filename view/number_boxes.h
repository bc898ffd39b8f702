#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/figure_limits.h"

// How the program's number boxes are read. The texts are Shift-JIS; full-width digits, typed
// with the IME on, count as digits everywhere.

constexpr char kFigureRangeMessage[] = "-999から9999までの数を入れてください";
constexpr char kLanePositionMessage[] = "1から4973までの数を入れてください";

// The text with each full-width digit (０ to ９) turned into its ASCII digit.
std::string with_ascii_digits(std::string_view shiftJis);

// A figure box or an n box, read whole as atol reads it: leading blanks, a sign, then digits up
// to the first non-digit ("12a" is 12, letters alone 0); clamped to the 32-bit range.
std::int32_t read_number_box(std::string_view text);

// Whether such a box holds a figure the session can keep.
bool figure_box_in_range(std::string_view text);

// A 移動 box: a whole number from 1 to 4973, blanks around it allowed; anything else
// ("12abc", "3.5", "0", an empty box) is none.
std::optional<std::int32_t> read_lane_position(std::string_view text);

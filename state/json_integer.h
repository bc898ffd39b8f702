#pragma once

#include <cstdint>

#include <nlohmann/json.hpp>

// Whether a JSON value is an integer from low to high. A non-negative number arrives unsigned,
// and one past the signed 64-bit range can only be too large.
inline bool integer_within(const nlohmann::json& value, std::int64_t low, std::int64_t high) {
    if (!value.is_number_integer()) {
        return false;
    }
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)) {
        return false;
    }
    const std::int64_t number = value.get<std::int64_t>();
    return number >= low && number <= high;
}

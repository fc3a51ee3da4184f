#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zarno {

// Integer part towards minus infinity.
inline double floorOf(double value) noexcept {
    return std::floor(value);
}

// A double to a signed 16-bit integer, rounding to nearest. Values beyond the range saturate and
// NaN becomes 0, so no input can overflow.
inline std::int16_t toInt16(double value) noexcept {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (value >= std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(std::lrint(value));  // to nearest, ties to even
}

// The integer part towards minus infinity, narrowed to 16 bits (saturating; NaN becomes 0).
inline std::int16_t floorToInt16(double value) noexcept {
    if (std::isnan(value)) {
        return 0;
    }
    const double clamped = std::clamp(value, double{std::numeric_limits<std::int16_t>::min()},
                                      double{std::numeric_limits<std::int16_t>::max()});
    return static_cast<std::int16_t>(std::floor(clamped));
}

}  // namespace zarno

#pragma once

#include <optional>
#include <string_view>

namespace zarno {

// Text to number: optional blanks around an optional sign, at least one digit and at most one
// decimal separator, either '.' or the locale's. Every other text (empty, letters, grouping,
// exponents, "inf", "nan", hexadecimal) is not a number, and so is a value too large for a double.
std::optional<double> textToNumber(std::string_view text, char localeSeparator) noexcept;

// The numeric test: true exactly when textToNumber succeeds.
inline bool isNumeric(std::string_view text, char localeSeparator) noexcept {
    return textToNumber(text, localeSeparator).has_value();
}

}  // namespace zarno

#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace zarno {

// The text of an input control together with its value as a number, converted when the text
// changes, so that reading it on every row costs no conversion.
class ControlText {
public:
    explicit ControlText(char localeSeparator = '.') : separator_(localeSeparator) {}

    void setText(std::string_view text) {
        text_.assign(text);
        number_ = textToNumber(text_, separator_).value_or(notANumber);
        const bool whole = number_ == std::trunc(number_) && std::fabs(number_) < 1e9;
        wholeNumber_ = whole ? static_cast<std::int32_t>(number_) : notWhole;
    }

    const std::string& text() const { return text_; }
    // A numeric text never converts to NaN, so NaN marks every other text.
    bool isNumeric() const { return number_ == number_; }
    // The value of a numeric text; NaN, which equals nothing, for any other text.
    double number() const { return number_; }
    // The value when it is a whole number of at most nine digits, else notWhole.
    std::int32_t wholeNumber() const { return wholeNumber_; }

    static constexpr std::int32_t notWhole = std::numeric_limits<std::int32_t>::min();

private:
    static constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

    char separator_;
    std::string text_;
    double number_ = notANumber;
    std::int32_t wholeNumber_ = notWhole;
};

}  // namespace zarno

#include "platform/NumberText.h"

#include <charconv>
#include <string>
#include <system_error>

namespace zarno {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<double> textToNumber(std::string_view text, char localeSeparator) noexcept {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Validate the grammar first, so the conversion below only ever sees digits and one '.'.
    std::size_t digits = 0;
    std::size_t separators = 0;
    bool nonZeroIntegerDigit = false;
    for (const char c : text) {
        if (isDigit(c)) {
            ++digits;
            nonZeroIntegerDigit = nonZeroIntegerDigit || (separators == 0 && c != '0');
        } else if (c == '.' || c == localeSeparator) {
            ++separators;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || separators > 1) {
        return std::nullopt;
    }

    std::string normalized;
    try {
        normalized.reserve(text.size() + 2);
        normalized.push_back('0');  // keeps ".5" and "5." acceptable to from_chars
        for (const char c : text) {
            normalized.push_back(isDigit(c) ? c : '.');
        }
        if (normalized.back() == '.') {
            normalized.push_back('0');
        }
    } catch (...) {
        return std::nullopt;
    }

    double value = 0.0;
    const char* first = normalized.data();
    const char* last = first + normalized.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (nonZeroIntegerDigit) {
            return std::nullopt;  // too large for a double
        }
        value = 0.0;  // a fraction too small to represent is zero
    } else if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace zarno

#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace zarno {
namespace {

bool isPlaceholder(char c) {
    return c == '#' || c == '0';
}

// What a pattern asks for, read once per call.
struct PatternShape {
    std::string_view integerPart;
    std::string_view decimalPart;
    std::size_t decimals = 0;          // digit places after the separator
    std::size_t requiredDecimals = 0;  // up to and including the last '0' there
    std::size_t requiredIntegers = 1;  // from the first '0' before the separator, at least one
};

PatternShape shapeOf(std::string_view pattern) {
    PatternShape shape;
    const std::size_t dot = pattern.find('.');
    shape.integerPart = pattern.substr(0, dot);
    if (dot != std::string_view::npos) {
        shape.decimalPart = pattern.substr(dot + 1);
    }
    for (const char c : shape.decimalPart) {
        if (isPlaceholder(c)) {
            ++shape.decimals;
            if (c == '0') {
                shape.requiredDecimals = shape.decimals;
            }
        }
    }
    std::size_t placesFromRight = 0;
    for (auto it = shape.integerPart.rbegin(); it != shape.integerPart.rend(); ++it) {
        if (isPlaceholder(*it)) {
            ++placesFromRight;
            if (*it == '0') {
                shape.requiredIntegers = std::max(shape.requiredIntegers, placesFromRight);
            }
        }
    }
    return shape;
}

// The rounded magnitude: its integer digits and its decimal digits (missing ones are zeros).
struct Digits {
    std::string_view integer;
    std::string_view fraction;

    char decimal(std::size_t i) const { return i < fraction.size() ? fraction[i] : '0'; }
};

void render(std::string& out, bool negative, const Digits& digits, const PatternShape& shape,
            char separator) {
    std::size_t written = shape.decimals;
    while (written > shape.requiredDecimals && digits.decimal(written - 1) == '0') {
        --written;
    }
    const auto nonZero = [](char c) { return c != '0'; };
    const bool isZero =
        std::none_of(digits.integer.begin(), digits.integer.end(), nonZero) &&
        std::none_of(digits.fraction.begin(),
                     digits.fraction.begin() +
                         static_cast<std::ptrdiff_t>(std::min(written, digits.fraction.size())),
                     nonZero);

    // The integer part is laid out from the right, then reversed in place.
    const std::size_t start = out.size();
    const std::size_t integerDigits = std::max(digits.integer.size(), shape.requiredIntegers);
    std::size_t used = 0;
    const auto digitFromRight = [&](std::size_t i) {
        return i < digits.integer.size() ? digits.integer[digits.integer.size() - 1 - i] : '0';
    };
    for (auto it = shape.integerPart.rbegin(); it != shape.integerPart.rend(); ++it) {
        if (isPlaceholder(*it)) {
            if (used < integerDigits) {
                out.push_back(digitFromRight(used++));
            }
        } else if (used > 0 && used < integerDigits) {
            out.push_back(*it);
        }
    }
    while (used < integerDigits) {
        out.push_back(digitFromRight(used++));
    }
    if (negative && !isZero) {
        out.push_back('-');
    }
    std::reverse(out.begin() + static_cast<std::ptrdiff_t>(start), out.end());

    if (written == 0) {
        return;
    }
    out.push_back(separator);
    std::size_t place = 0;
    for (const char c : shape.decimalPart) {
        if (isPlaceholder(c)) {
            if (place < written) {
                out.push_back(digits.decimal(place));
            }
            ++place;
        } else if (place < written) {
            out.push_back(c);
        }
    }
}

// Rounds the digits in place, half away from zero, to the given decimals. The buffer keeps one
// free character before the integer digits for a carry.
Digits roundDigits(char* integerStart, char* dot, char* end, std::size_t decimals) {
    Digits digits;
    char* fraction = dot == end ? end : dot + 1;
    const std::size_t fractionSize = static_cast<std::size_t>(end - fraction);
    if (fractionSize <= decimals) {
        digits.integer =
            std::string_view(integerStart, static_cast<std::size_t>(dot - integerStart));
        digits.fraction = std::string_view(fraction, fractionSize);
        return digits;
    }
    bool carry = fraction[decimals] >= '5';
    for (std::size_t i = decimals; carry && i > 0; --i) {
        char& d = fraction[i - 1];
        carry = d == '9';
        d = carry ? '0' : static_cast<char>(d + 1);
    }
    for (char* p = dot; carry && p > integerStart; --p) {
        char& d = *(p - 1);
        carry = d == '9';
        d = carry ? '0' : static_cast<char>(d + 1);
    }
    if (carry) {
        *--integerStart = '1';
    }
    digits.integer = std::string_view(integerStart, static_cast<std::size_t>(dot - integerStart));
    digits.fraction = std::string_view(fraction, decimals);
    return digits;
}

}  // namespace

void appendFormatted(std::string& out, double value, std::string_view pattern, char separator) {
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
        return;
    }
    const PatternShape shape = shapeOf(pattern);
    // The shortest text that reads back as the same double is rounded, so that 2.675 rounds
    // up as a reader expects. Fixed notation of any finite double fits in 330 characters.
    std::array<char, 512> buffer;
    char* const integerStart = buffer.data() + 1;
    const auto result = std::to_chars(integerStart, buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::fixed);
    char* const end = result.ptr;
    char* const dot = std::find(integerStart, end, '.');
    render(out, std::signbit(value), roundDigits(integerStart, dot, end, shape.decimals), shape,
           separator);
}

void appendFormatted(std::string& out, std::int64_t value, std::string_view pattern,
                     char separator) {
    const auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::array<char, 24> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    Digits digits;
    digits.integer =
        std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    render(out, value < 0, digits, shapeOf(pattern), separator);
}

void appendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

std::string formatNumber(double value, std::string_view pattern, char separator) {
    std::string out;
    appendFormatted(out, value, pattern, separator);
    return out;
}

std::string formatNumber(std::int64_t value, std::string_view pattern, char separator) {
    std::string out;
    appendFormatted(out, value, pattern, separator);
    return out;
}

}  // namespace zarno

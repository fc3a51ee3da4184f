#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarno {

// Number patterns: '#' is a digit written only when significant, '0' a digit always written,
// '.' the decimal separator (written as the separator passed in); any other character is a
// literal, copied only where digits stand on both sides of it ("# ### ### ###" gives "1 234 567").
// The value is rounded half away from zero to the pattern's decimals; at least one integer digit
// is written; the separator is left out when no decimal digit follows it; digits beyond the
// pattern's room are all kept. The result is appended to out.
void appendFormatted(std::string& out, double value, std::string_view pattern, char separator);
void appendFormatted(std::string& out, std::int64_t value, std::string_view pattern,
                     char separator);

// Integer to text: decimal digits, a minus sign when negative, no blank, no grouping.
void appendInteger(std::string& out, std::int64_t value);

std::string formatNumber(double value, std::string_view pattern, char separator);
std::string formatNumber(std::int64_t value, std::string_view pattern, char separator);

}  // namespace zarno

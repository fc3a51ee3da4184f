#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarno {
namespace {

struct Rendering {
    double value;
    std::string_view pattern;
    std::string_view expected;
};

TEST(NumberFormat, RendersThePatternsInUse) {
    const Rendering cases[] = {
        // grouping of the row counter: no literal before the first digit
        {0, "# ### ### ###", "0"},
        {7, "# ### ### ###", "7"},
        {999, "# ### ### ###", "999"},
        {1000, "# ### ### ###", "1 000"},
        {1234567, "# ### ### ###", "1 234 567"},
        {4000000000, "# ### ### ###", "4 000 000 000"},
        {12345678901234, "# ### ### ###", "12345 678 901 234"},  // beyond its room
        {1234.5, "# ### ### ###", "1 235"},
        // optional decimals
        {0, "#.#", "0"},
        {0, "#.##", "0"},
        {100, "#.#", "100"},
        {0.5, "#.#", "0.5"},
        {54.8, "#.##", "54.8"},
        {233.33333333333334, "#.##", "233.33"},
        {66.66666666666667, "#.#", "66.7"},
        {0.04, "#.#", "0"},
        {0.05, "#.#", "0.1"},
        {99.96, "#.#", "100"},
        {9.995, "#.##", "10"},
        // half away from zero, on the shortest decimal text of the double
        {0.125, "0.00", "0.13"},
        {6.25, "#.#", "6.3"},
        {2.675, "#.##", "2.68"},
        {0.5, "# ### ### ###", "1"},
        {-2.5, "# ### ### ###", "-3"},
        // fixed decimals
        {0, "0.0", "0.0"},
        {100, "0.0", "100.0"},
        {0.00004, "0.0000", "0.0000"},
        {0.00005, "0.0000", "0.0001"},
        {1.5, "0.00", "1.50"},
        {0.000123456, "0.00000", "0.00012"},
        {12.3456, "0.000", "12.346"},
        {0.999999, "0.00000", "1.00000"},
        // signs
        {-1234567, "# ### ### ###", "-1 234 567"},
        {-0.001, "0.0", "0.0"},
        {-0.04, "#.#", "0"},
        {-0.5, "#.#", "-0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.pattern);
        EXPECT_EQ(formatNumber(c.value, c.pattern, '.'), c.expected);
    }
}

TEST(NumberFormat, WritesTheSeparatorItIsGiven) {
    EXPECT_EQ(formatNumber(233.333, "#.##", ','), "233,33");
    EXPECT_EQ(formatNumber(100.0, "#.#", ','), "100");
    EXPECT_EQ(formatNumber(0.0, "0.00000", ','), "0,00000");
    EXPECT_EQ(formatNumber(std::int64_t{1234567}, "# ### ### ###", ','), "1 234 567");
}

TEST(NumberFormat, IntegersKeepEveryDigit) {
    const struct {
        std::int64_t value;
        std::string_view expected;
    } cases[] = {
        {0, "0"},
        {4'000'000'001, "4 000 000 001"},
        {9'007'199'254'740'993, "9007199 254 740 993"},  // not representable as a double
        {std::numeric_limits<std::int64_t>::min(), "-9223372036 854 775 808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value, "# ### ### ###", '.'), c.expected);
    }
    EXPECT_EQ(formatNumber(std::int64_t{5}, "0.00", '.'), "5.00");
}

TEST(NumberFormat, SurvivesExtremeValues) {
    EXPECT_EQ(formatNumber(std::nan(""), "#.#", '.'), "NaN");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "#.#", '.'), "-Inf");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min(), "0.00000", '.'), "0.00000");
    const std::string largest = formatNumber(std::numeric_limits<double>::max(), "#.##", '.');
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
}

TEST(IntegerText, PlainDecimalDigits) {
    std::string out;
    appendInteger(out, 0);
    out += '|';
    appendInteger(out, 4000000000);
    out += '|';
    appendInteger(out, -12);
    EXPECT_EQ(out, "0|4000000000|-12");
}

}  // namespace
}  // namespace zarno

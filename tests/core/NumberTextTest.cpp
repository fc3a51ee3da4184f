#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/engine/Play.h"
#include "platform/Narrowing.h"

namespace zarno {
namespace {

struct Numeric {
    std::string_view text;
    char locale;
    double value;
};

TEST(TextToNumber, ConvertsNumericTexts) {
    const Numeric cases[] = {
        {"0", '.', 0.0},     {"7", '.', 7.0},
        {"70", '.', 70.0},   {"  12  ", '.', 12.0},
        {"\t3\t", '.', 3.0}, {"+5", '.', 5.0},
        {"-5", '.', -5.0},   {"2.5", '.', 2.5},
        {"2,5", ',', 2.5},   {"2.5", ',', 2.5},
        {".5", '.', 0.5},    {"5.", '.', 5.0},
        {"007", '.', 7.0},   {" -0.25 ", '.', -0.25},
        {"10.0", '.', 10.0}, {"0000000000000000000000000000000000000001", '.', 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        const auto value = textToNumber(c.text, c.locale);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, c.value);
        EXPECT_TRUE(isNumeric(c.text, c.locale));
    }
}

TEST(TextToNumber, AFractionTooSmallForADoubleIsZero) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(textToNumber(tiny, '.'), 0.0);
    EXPECT_EQ(textToNumber("-" + tiny, '.'), -0.0);
}

TEST(TextToNumber, RefusesEverythingElse) {
    const std::string_view hostile[] = {
        "",    " ",     "+",        "-",     ".",       "+.",  "abc",  "1a",  "a1",
        "1 2", "1.2.3", "1,2",      "1 000", "1,000.5", "1e5", "1E5",  "inf", "-inf",
        "nan", "NaN",   "infinity", "0x10",  "0x1p3",   "--1", "+-1",  "- 1", "1-",
        "1+",  "\n1",   "1\n",      "\v1",   "１",      "½",   "\xff",
    };
    for (const auto text : hostile) {
        SCOPED_TRACE(std::string(text));
        EXPECT_FALSE(textToNumber(text, '.').has_value());
    }
    EXPECT_FALSE(textToNumber(std::string_view("1\0002", 3), '.').has_value());
    // A value too large for a double is not a number.
    EXPECT_FALSE(textToNumber(std::string(400, '9'), '.').has_value());
    // The locale separator counts as the one separator allowed.
    EXPECT_FALSE(textToNumber("1.2,3", ',').has_value());
}

TEST(TextToNumber, ReadsOnlyTheGivenCharacters) {
    const char buffer[] = {'1', '2', '3'};  // not terminated
    EXPECT_EQ(textToNumber(std::string_view(buffer, 2), '.'), 12.0);
    EXPECT_EQ(textToNumber(std::string_view(buffer, 0), '.'), std::nullopt);
}

// Only a player's number that is a whole number 1..70 can equal a drawn one.
TEST(HittableNumber, IsTheNumberItselfOnlyWhenItCanBeDrawn) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {1, 1},  {70, 70},  {4.5, 0},   {0, 0},          {71, 0},
        {-3, 0}, {1e10, 0}, {-1e10, 0}, {70.0000001, 0}, {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hittableNumber(c.value), c.expected) << c.value;
    }
}

TEST(Narrowing, FloorsAndNarrowsWithoutOverflow) {
    EXPECT_EQ(floorOf(2.9), 2.0);
    EXPECT_EQ(floorOf(-2.1), -3.0);
    const struct {
        double value;
        std::int16_t expected;
    } cases[] = {
        {9.0, 9},        {-1.0, -1},       {2.4, 2},           {2.6, 3},          {1e10, 32767},
        {-1e10, -32768}, {32767.0, 32767}, {-32768.0, -32768}, {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toInt16(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(floorToInt16(2.9), 2);
    EXPECT_EQ(floorToInt16(-0.5), -1);
    EXPECT_EQ(floorToInt16(1e300), 32767);
    EXPECT_EQ(floorToInt16(-1e300), -32768);
    EXPECT_EQ(floorToInt16(std::nan("")), 0);
}

}  // namespace
}  // namespace zarno

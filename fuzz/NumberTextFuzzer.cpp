// Text to number and the numeric test on arbitrary bytes, against an independent reading of
// the same grammar and glibc's strtod for the value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/engine/Play.h"
#include "fuzz/FuzzCheck.h"
#include "platform/NumberText.h"

namespace {

// Blanks, an optional sign, digits with at most one separator, blanks; returns the number's
// characters with '.' as the separator, or nothing.
bool referenceGrammar(std::string_view text, char separator, std::string& normalized) {
    std::size_t i = 0;
    const auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
    while (i < text.size() && blank(i))
        ++i;
    std::size_t end = text.size();
    while (end > i && blank(end - 1))
        --end;
    normalized.clear();
    if (i < end && (text[i] == '+' || text[i] == '-'))
        normalized += text[i++];
    bool digit = false, dot = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            normalized += c;
        } else if ((c == '.' || c == separator) && !dot) {
            dot = true;
            normalized += '.';
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char separator = (data[0] >= '0' && data[0] <= '9') ? '.' : static_cast<char>(data[0]);
    // An exact-size copy, so that reading one byte too far is caught.
    const std::size_t length = size - 1;
    std::unique_ptr<char[]> copy(new char[length == 0 ? 1 : length]);
    std::memcpy(copy.get(), data + 1, length);
    const std::string_view text(copy.get(), length);

    const std::optional<double> value = zarno::textToNumber(text, separator);
    FUZZ_CHECK(zarno::isNumeric(text, separator) == value.has_value());

    std::string normalized;
    const bool grammatical = referenceGrammar(text, separator, normalized);
    if (value) {
        FUZZ_CHECK(grammatical);
        FUZZ_CHECK(std::isfinite(*value));
        const double expected = std::strtod(normalized.c_str(), nullptr);
        FUZZ_CHECK(*value == expected || (std::fabs(expected) < 1e-300 && *value == 0.0));
    } else if (grammatical) {
        FUZZ_CHECK(!std::isfinite(std::strtod(normalized.c_str(), nullptr)));  // only overflow
    }

    // A player's number hits only as the whole number 1..70 it reads as.
    if (value) {
        const int hittable = zarno::hittableNumber(*value);
        FUZZ_CHECK(hittable == 0 || (hittable >= 1 && hittable <= 70 && *value == hittable));
    }
    return 0;
}

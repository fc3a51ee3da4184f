// Number patterns on arbitrary values and patterns. For the patterns the window uses, the
// text must read back as the value rounded to the pattern's decimals.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/NumberFormat.h"

namespace {

constexpr std::array<std::string_view, 8> patterns = {
    "# ### ### ###", "#.##", "#.#", "0.0", "0.00", "0.000", "0.0000", "0.00000",
};

int decimalsOf(std::string_view pattern) {
    const auto dot = pattern.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
}

// The text without its grouping blanks and with '.' as the separator.
std::string plain(const std::string& text, char separator) {
    std::string out;
    for (const char c : text) {
        if (c != ' ')
            out += c == separator ? '.' : c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) {
        return 0;
    }
    double value;
    std::int64_t integer;
    std::memcpy(&value, data, 8);
    std::memcpy(&integer, data, 8);
    const std::uint8_t choice = data[8];
    const char separator = (choice & 1) ? ',' : '.';
    const std::string_view tail(reinterpret_cast<const char*>(data + 9), size - 9);

    if (choice & 2) {
        // Any pattern at all: it must not crash or read out of bounds.
        std::string out;
        zarno::appendFormatted(out, value, tail, separator);
        zarno::appendFormatted(out, integer, tail, separator);
        FUZZ_CHECK(!out.empty());
        return 0;
    }

    const std::string_view pattern = patterns[(choice >> 2) % patterns.size()];
    const std::string text = zarno::formatNumber(value, pattern, separator);
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text.front() != ' ' && text.back() != ' ');
    if (std::isfinite(value) && std::fabs(value) < 1e15) {
        const std::string read = plain(text, separator);
        char* end = nullptr;
        const double back = std::strtod(read.c_str(), &end);
        FUZZ_CHECK(end == read.c_str() + read.size());
        const double half = 0.5 * std::pow(10.0, -decimalsOf(pattern));
        FUZZ_CHECK(std::fabs(back - value) <= half * (1 + 1e-9) + std::fabs(value) * 1e-15);
    }

    const std::string grouped = zarno::formatNumber(integer, "# ### ### ###", separator);
    FUZZ_CHECK(plain(grouped, separator) == std::to_string(integer));
    return 0;
}

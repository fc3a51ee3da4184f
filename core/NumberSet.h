#pragma once

#include <array>
#include <cstdint>

#include "Levels.h"

namespace zarno {

// A set of the numbers 0..70, one byte each: adding and testing are a single store or load,
// which keeps the per-row loops short.
class NumberSet {
public:
    void add(int number) { present_[static_cast<std::size_t>(number)] = 1; }
    bool contains(int number) const { return present_[static_cast<std::size_t>(number)] != 0; }

private:
    std::array<std::uint8_t, highestNumber + 1> present_{};
};

}  // namespace zarno

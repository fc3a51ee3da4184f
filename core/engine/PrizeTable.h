#pragma once

#include <array>
#include <cstdint>

#include "core/engine/Lottery.h"

namespace zarno {

// Euros won by one row, by level and hit count. Every hit count of a level is tallied, also
// where it pays nothing; zero hits pays only at level 10.
inline constexpr std::array<std::array<std::int32_t, maxLevel + 1>, maxLevel + 1> prizeTable{{
    {},
    {},
    {0, 0, 7},
    {0, 0, 1, 18},
    {0, 0, 1, 2, 32},
    {0, 0, 0, 1, 9, 200},
    {0, 0, 0, 1, 3, 20, 420},
    {0, 0, 0, 0, 1, 10, 100, 2400},
    {0, 0, 0, 0, 1, 3, 20, 240, 10000},
    {0, 0, 0, 0, 0, 2, 10, 50, 1200, 50000},
    {1, 0, 0, 0, 0, 1, 4, 20, 200, 5000, 200000},
}};

constexpr std::int64_t prize(int level, int hits) {
    return prizeTable[static_cast<std::size_t>(level)][static_cast<std::size_t>(hits)];
}

}  // namespace zarno

#pragma once

#include <array>
#include <cstdint>

namespace zarno {

// The levels a player can play: the count of numbers chosen, 2 to 10, out of 1 to 70.
inline constexpr int minLevel = 2;
inline constexpr int maxLevel = 10;
inline constexpr int numberBoxes = 10;
inline constexpr int rowSize = 20;
inline constexpr int highestNumber = 70;

constexpr bool isLevel(int level) {
    return level >= minLevel && level <= maxLevel;
}

inline constexpr std::array<int, maxLevel - minLevel + 1> allLevels = [] {
    std::array<int, maxLevel - minLevel + 1> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i] = minLevel + static_cast<int>(i);
    }
    return levels;
}();

// A row: its 20 numbers in the order drawn.
using Row = std::array<std::int16_t, rowSize>;

// Every 1000th row of a series ends a stretch: fast mode shows the figures there, and the engine
// counts its blocks' hits a thousand rows at a time for it.
inline constexpr std::int64_t refreshStride = 1000;

}  // namespace zarno

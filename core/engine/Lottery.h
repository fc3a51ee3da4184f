#pragma once

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

}  // namespace zarno

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "core/engine/Lottery.h"
#include "core/engine/NumberSet.h"
#include "core/engine/PrizeTable.h"

namespace zarno {

// The player's choice for a series, as plain values: read when a run starts or continues, and
// pushed in; the controls it comes from stay disabled while rows are drawn.
struct Play {
    int level = 0;  // the level rounded down; outside 2..10 nothing is tallied
    // The numbers of the level's boxes that can be drawn; 0, which no row holds, for every other
    // box, so that it never hits.
    std::array<int, numberBoxes> numbers{};
    bool fast = false;  // the figures are shown at every 1000th row only

    bool operator==(const Play&) const = default;
};

// Whether each number is one of 1..70, none twice, as on a ticket or in a row.
template <class Number>
constexpr bool areDistinctNumbers(std::span<const Number> numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto before = numbers.begin() + static_cast<std::ptrdiff_t>(i);
        if (numbers[i] < 1 || numbers[i] > highestNumber ||
            std::find(numbers.begin(), before, numbers[i]) != before) {
            return false;
        }
    }
    return true;
}

// Whether numbers make a ticket of the level: as many as the level, each 1..70, none twice.
template <class Number>
constexpr bool isTicket(std::span<const Number> numbers, int level) {
    return isLevel(level) && numbers.size() == static_cast<std::size_t>(level) &&
           areDistinctNumbers(numbers);
}

// Whether two plays score every row alike: the same level and numbers, whatever the fast mode.
constexpr bool sameTicket(const Play& a, const Play& b) {
    return a.level == b.level && a.numbers == b.numbers;
}

// A player's number equals a drawn one exactly when it is a whole number 1..70; any other value
// maps to 0.
constexpr int hittableNumber(double value) {
    const bool drawable = value >= 1 && value <= highestNumber && value == static_cast<int>(value);
    return drawable ? static_cast<int>(value) : 0;
}

// The hits of a row: how many of the player's numbers it holds. A number chosen in two boxes
// counts twice.
inline int scoreRow(const NumberSet& row, const Play& play) {
    int hits = 0;
    for (const int number : play.numbers) {
        hits += row.contains(number) ? 1 : 0;
    }
    return hits;
}

// Rows counted by their hits: the tally of one pass of the draw loop.
using HitCounts = std::array<std::int64_t, maxLevel + 1>;

}  // namespace zarno

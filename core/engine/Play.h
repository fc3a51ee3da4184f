#pragma once

#include <array>
#include <cstdint>

#include "core/engine/Lottery.h"
#include "core/engine/NumberSet.h"
#include "core/engine/PrizeTable.h"
#include "core/series/SimulationState.h"

namespace zarno {

// The player's choice for a run, as plain values: read from the window when a run starts or
// continues, since its controls stay disabled while rows are drawn.
struct Play {
    int level = 0;  // the level text rounded down; outside 2..10 nothing is tallied
    // The numbers of the level's boxes that can be drawn; 0, which no row holds, for every other
    // box, so that it never hits.
    std::array<int, numberBoxes> numbers{};

    bool operator==(const Play&) const = default;
};

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

// Adds rows played at a level to its histogram, and their prizes to the winnings.
inline void tally(SimulationState& state, int level, const HitCounts& rows) {
    const auto counts = state.Hits(level);
    for (int k = 0; k <= level; ++k) {
        const std::int64_t n = rows[static_cast<std::size_t>(k)];
        counts[static_cast<std::size_t>(k)] += n;
        state.Winnings += n * prize(level, k);
    }
}

}  // namespace zarno

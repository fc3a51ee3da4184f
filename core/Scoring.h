#pragma once

#include "Levels.h"
#include "NumberSet.h"
#include "PrizeTable.h"
#include "SimulationState.h"

namespace zarno {

// The set of the row's numbers, for counting hits by membership instead of 20 comparisons.
inline NumberSet numbersOf(const SimulationState::Row& drawn) {
    NumberSet set;
#pragma GCC unroll 20
    for (const std::int16_t number : drawn) {
        set.add(number);
    }
    return set;
}

// A player's number equals a drawn one exactly when it is a whole number 1..70; any other value
// maps to 0, which no row holds, so it never hits.
constexpr int hittableNumber(std::int32_t wholeNumber) {
    const bool inRange =
        static_cast<std::uint32_t>(wholeNumber) - 1u < std::uint32_t{highestNumber};
    return inRange ? wholeNumber : 0;
}

// One row's tally at a level: one more row with this hit count, and its prize.
inline void tally(SimulationState& state, int level, int hits) {
    ++state.Hits(level)[static_cast<std::size_t>(hits)];
    state.Winnings += prize(level, hits);
}

}  // namespace zarno

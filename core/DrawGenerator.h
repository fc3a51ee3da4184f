#pragma once

#include <array>
#include <cstdint>

#include "Levels.h"
#include "NumberSet.h"

#include "RandomNumbers.h"
#include "SimulationState.h"

namespace zarno {

// floor(r * 70) + 1 for r = bits / 2^32. bits * 70 needs 39 bits, so r * 70 is exact in a double
// and its floor is the integer quotient below: the same value, without the conversions.
constexpr int candidateFor(std::uint32_t bits) {
    return static_cast<int>((std::uint64_t{bits} * highestNumber) >> 32) + 1;
}

// Draws one row into `drawn`: reseeds the generator, clears the row, then fills slot after slot
// with a candidate, drawing the same slot again while the candidate repeats an earlier one.
// Repeats are found with a set of the accepted numbers, which accepts and rejects exactly the
// candidates a scan of the row would.
template <class Random>
void drawNumbers(SimulationState::Row& drawn, Random& random) {
    random.reseed();
    drawn.fill(0);
    NumberSet accepted;
    for (std::size_t slot = 0; slot < drawn.size();) {
        const int candidate = candidateFor(random.nextBits());
        drawn[slot] = static_cast<std::int16_t>(candidate);
        const bool repeat = accepted.contains(candidate);
        accepted.add(candidate);
        slot += repeat ? 0 : 1;  // a repeat is overwritten by the next candidate
    }
}

// True when a slot of the row other than `index` holds `candidate`. Scans all twenty slots.
bool isDrawnAlready(const SimulationState::Row& drawn, std::int16_t candidate, std::int16_t index);

}  // namespace zarno

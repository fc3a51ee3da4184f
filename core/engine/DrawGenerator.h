#pragma once

#include <cstdint>

#include "core/engine/Lottery.h"
#include "core/engine/NumberSet.h"

namespace zarno {

// floor(r * 70) + 1 for r = bits / 2^32. bits * 70 needs 39 bits, so r * 70 is exact in a double
// and its floor is the integer quotient below: the same value, without the conversions.
constexpr int candidateFor(std::uint32_t bits) {
    return static_cast<int>((std::uint64_t{bits} * highestNumber) >> 32) + 1;
}

// The 20 numbers of a row, drawn from the sequence as it stands: slot after slot takes the next
// candidate, and a candidate that repeats an accepted number is thrown away and the same slot is
// drawn again. `store(slot, candidate)` sees every candidate as it would be written into the row,
// a repeat included (the next candidate overwrites it). Returns the row's numbers.
template <class Random, class Store>
NumberSet drawRow(Random& random, Store&& store) {
    NumberSet row;
    for (int slot = 0; slot < rowSize;) {
        const int candidate = candidateFor(random.nextBits());
        store(slot, candidate);
        slot += row.insert(candidate) ? 0 : 1;
    }
    return row;
}

// DrawNumbers: reseeds the generator from the clock, clears the row and draws it into `drawn`
// in the order drawn.
template <class Random>
NumberSet drawNumbers(Row& drawn, Random& random) {
    random.reseed();
    drawn.fill(0);
    return drawRow(random, [&drawn](int slot, int candidate) {
        drawn[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(candidate);
    });
}

// True when a slot of the row other than `index` holds `candidate`. Scans all twenty slots.
bool isDrawnAlready(const Row& drawn, std::int16_t candidate, std::int16_t index);

}  // namespace zarno

#pragma once

// The lanes' loop, included by one file per target, each compiled for its own instructions. The
// target's `Ops` give its registers and the few steps that its own instructions do best; the
// loop works on `G` registers side by side, so that one register's steps run while another's
// wait. Not a header to include anywhere else, but for a test.

#include <cstddef>
#include <cstdint>

#include "core/engine/LanesKernels.h"

// Nothing of the standard library is called here: an inline function that one target's file
// emitted with its instructions could be what the linker keeps for every caller.
namespace zarno::lanes {
namespace {

// `W` lanes of 64 bits, in the compiler's vector extension: its operators do every step that
// all targets do alike (additions, exclusive ors, shifts by a constant, multiplications).
template <std::size_t W>
struct Register {
    typedef std::uint64_t U64 __attribute__((vector_size(W * 8)));
};

// A number of the row is held as its index 0..69, a bit of the row's two words: 0..63 in the low
// one, 64..69 in the high one.
constexpr std::uint64_t numberCount = highestNumber;

struct EveryLane {};

// How many bits the two words of each lane have together, for a target that looks up the bits of
// a byte below 16 (`nibbleBits`) and sums each lane's bytes (`sumBytes`): no byte's count of its
// nibbles in the two words passes 16, so the lanes' additions carry nothing into the next byte.
template <class Ops, class V>
V bitsByNibbles(V low, V high) {
    constexpr std::uint64_t nibbles = 0x0f0f0f0f0f0f0f0fu;
    const auto bits = [](V x) {
        return Ops::nibbleBits(x & nibbles) + Ops::nibbleBits((x >> 4) & nibbles);
    };
    return Ops::sumBytes(bits(low) + bits(high));
}

template <class Ops, std::size_t G>
void draw(LaneBlock* blocks, std::size_t count, int first, int rows, const int* numbers,
          Clock& clock) {
    constexpr std::size_t W = Ops::width;
    using V = typename Ops::V;
    using M = typename Ops::M;
    V state[G];
    V increment[G];
    for (std::size_t lane = 0; lane < W * G; ++lane) {
        // A lane without a block draws the first one's rows again, and keeps none of them.
        const LaneBlock& block = blocks[lane < count ? lane : 0];
        state[lane / W][lane % W] = block.state;
        increment[lane / W][lane % W] = block.increment;
    }
    std::uint64_t playLow = 0;
    std::uint64_t playHigh = 0;
    for (int box = 0; box < numberBoxes; ++box) {
        if (const int number = numbers[box]; number >= 1 && number <= highestNumber) {
            const int index = number - 1;
            (index < 64 ? playLow : playHigh) |= std::uint64_t{1} << (index & 63);
        }
    }
    const V zero{};
    V low[G];
    V high[G];
    V slots[G];
    // One candidate in every lane of register g: pcg32's step and its output of the state before
    // it, a number from its 32 bits, taken unless the row has it already. Only the lanes of
    // `active` move on. While every lane moves on, a repeat's bit is in the row already, so the
    // candidate's bit is set whatever it is, and the numbers are counted once after.
    const auto candidate = [&](std::size_t g, auto active) {
        const V old = state[g];
        const V next = old * RandomNumbers::multiplier + increment[g];
        const V number = Ops::number(old);
        const V bitLow = Ops::bitLow(number);
        const V bitHigh = Ops::bitHigh(number);
        if constexpr (__is_same(decltype(active), EveryLane)) {
            state[g] = next;
            low[g] |= bitLow;
            high[g] |= bitHigh;
        } else {
            const M taken = Ops::both(Ops::absent(low[g], high[g], bitLow, bitHigh), active);
            state[g] = Ops::select(active, next, old);
            low[g] = Ops::orWhere(low[g], taken, bitLow);
            high[g] = Ops::orWhere(high[g], taken, bitHigh);
            slots[g] = Ops::countWhere(slots[g], taken);
        }
    };
    for (int row = first; row < first + rows; ++row) {
        // The reseed: the clock's reading mixed into the state, by the splitmix64 finalizer.
        const std::uint64_t reading = clock.now();
        for (std::size_t g = 0; g < G; ++g) {
            V x = state[g] ^ reading;
            x ^= x >> 30;
            x *= 0xbf58476d1ce4e5b9u;
            x ^= x >> 27;
            x *= 0x94d049bb133111ebu;
            x ^= x >> 31;
            state[g] = x;
            low[g] = zero;
            high[g] = zero;
        }
        for (std::size_t lane = 0; lane < count; ++lane) {
            blocks[lane].starts[row] = state[lane / W][lane % W];
        }
        // Every lane needs 20 candidates at least, so the first 20 need no look at the others.
        for (int draw = 0; draw < rowSize; ++draw) {
            for (std::size_t g = 0; g < G; ++g) {
                candidate(g, EveryLane{});
            }
        }
        for (std::size_t g = 0; g < G; ++g) {
            slots[g] = Ops::count(low[g], high[g]);
        }
        for (;;) {
            M active[G];
            bool any = false;
            for (std::size_t g = 0; g < G; ++g) {
                active[g] = Ops::below(slots[g], rowSize);
                any = any || Ops::any(active[g]);
            }
            if (!any) {
                break;
            }
            // A register whose lanes all have their rows waits for the others' slowest.
            for (std::size_t g = 0; g < G; ++g) {
                if (Ops::any(active[g])) {
                    candidate(g, active[g]);
                }
            }
        }
        // The hits, the numbers the row and the play share, counted as the row's were.
        V hits[G];
        for (std::size_t g = 0; g < G; ++g) {
            hits[g] = Ops::count(low[g] & playLow, high[g] & playHigh);
        }
        for (std::size_t lane = 0; lane < count; ++lane) {
            blocks[lane].hits[row] = static_cast<std::uint8_t>(hits[lane / W][lane % W]);
        }
    }
    for (std::size_t lane = 0; lane < count; ++lane) {
        blocks[lane].state = state[lane / W][lane % W];
    }
}

// The loop for a target's `Ops`, `G` registers at once.
template <class Ops, std::size_t G>
constexpr Kernel kernel() {
    return {&draw<Ops, G>, static_cast<int>(Ops::width * G)};
}

}  // namespace
}  // namespace zarno::lanes

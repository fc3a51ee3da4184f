#pragma once

// The lanes' steps in the compiler's vector extension alone, for the target whose instructions
// the loop does not name: NEON. Masks are whole words, all ones or none, made by arithmetic, and
// a shift's count stays below 64, as the extension requires.

#include "core/engine/LanesDraw.h"

namespace zarno::lanes {
namespace {

template <std::size_t W>
struct VectorOps {
    static constexpr std::size_t width = W;
    using V = typename Register<W>::U64;
    using M = V;

    // pcg32's output of `old`, 32 bits, made a number's index: the bits times 70, over 2^32.
    static V number(V old) {
        const V rotation = old >> 59;
        const V shifted = ((old ^ (old >> 18)) >> 27) & 0xffffffffu;
        const V bits = ((shifted >> rotation) | (shifted << ((32 - rotation) & 31))) & 0xffffffffu;
        return ((bits << 6) + (bits << 2) + (bits << 1)) >> 32;
    }
    static M isLow(V number) { return (number >> 6) - 1; }
    static V bitLow(V number) { return (V{} + 1) << (number & 63) & isLow(number); }
    static V bitHigh(V number) { return (V{} + 1) << (number & 63) & ~isLow(number); }
    // All ones where neither word has the bit.
    static M absent(V low, V high, V bitLow, V bitHigh) {
        const V both = (low & bitLow) | (high & bitHigh);
        return ((both | (V{} - both)) >> 63) - 1;
    }
    // How many bits the two words of each lane have, counted in fields that double in width.
    static V count(V low, V high) { return bitsOf(low) + bitsOf(high); }
    static V bitsOf(V x) {
        x = x - ((x >> 1) & 0x5555555555555555u);
        x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
        x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
        return (x * 0x0101010101010101u) >> 56;
    }
    static M both(M a, M b) { return a & b; }
    static V select(M m, V yes, V no) { return (yes & m) | (no & ~m); }
    static V orWhere(V x, M m, V bits) { return x | (bits & m); }
    static V countWhere(V x, M m) { return x - m; }
    static M below(V count, int n) { return V{} - ((count - static_cast<std::uint64_t>(n)) >> 63); }
    static bool any(M m) {
        std::uint64_t any = 0;
        for (std::size_t lane = 0; lane < W; ++lane) {
            any |= m[lane];
        }
        return any != 0;
    }
};

}  // namespace
}  // namespace zarno::lanes

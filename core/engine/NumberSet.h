#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstdint>

#include "core/engine/Lottery.h"

namespace zarno {

// A set of the numbers 0..70 in two machine words that stay in registers while a row is drawn.
// Every number's one-bit mask comes from a table, so adding and testing need no branch and no
// store that a later load would have to wait for.
class NumberSet {
public:
    // Adds the number; true when it was in the set already.
    bool insert(int number) noexcept {
        const Mask& mask = masks[static_cast<std::size_t>(number)];
        const bool present = ((low_ & mask.low) | (high_ & mask.high)) != 0;
        low_ |= mask.low;
        high_ |= mask.high;
        return present;
    }
    bool contains(int number) const noexcept {
        const Mask& mask = masks[static_cast<std::size_t>(number)];
        return ((low_ & mask.low) | (high_ & mask.high)) != 0;
    }
    int size() const noexcept { return std::popcount(low_) + std::popcount(high_); }
    int sharedWith(const NumberSet& other) const noexcept {
        return std::popcount(low_ & other.low_) + std::popcount(high_ & other.high_);
    }
    auto operator<=>(const NumberSet&) const = default;

private:
    struct Mask {
        std::uint64_t low;
        std::uint64_t high;
    };
    static constexpr std::array<Mask, highestNumber + 1> masks = [] {
        std::array<Mask, highestNumber + 1> all{};
        for (unsigned n = 0; n < all.size(); ++n) {
            all[n] =
                n < 64 ? Mask{std::uint64_t{1} << n, 0} : Mask{0, std::uint64_t{1} << (n - 64)};
        }
        return all;
    }();

    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

}  // namespace zarno

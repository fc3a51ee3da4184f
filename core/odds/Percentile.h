#pragma once

#include <cstddef>
#include <optional>

namespace zarno::odds {

// Whether a cumulative weight `below` reaches `percent` % of `total`: the one rule of every
// median and every share of players, observed or exact.
template <class Weight>
constexpr bool reaches(Weight below, Weight total, int percent) {
    return 100 * below >= percent * total;
}

// The percentile of a distribution given by its weights at 0, 1, 2, ...: the smallest value whose
// cumulative weight reaches `percent` % of `total`. None when the weights listed do not reach it,
// the rest of the total lying beyond them.
template <class Weights, class Total>
std::optional<std::size_t> percentileIndex(const Weights& weights, Total total, int percent) {
    Total below = 0;
    for (std::size_t i = 0; i < std::size(weights); ++i) {
        below += weights[i];
        if (total > 0 && reaches(below, total, percent)) {
            return i;
        }
    }
    return std::nullopt;
}

// The median by the same rule.
template <class Weights, class Total>
std::optional<std::size_t> medianIndex(const Weights& weights, Total total) {
    return percentileIndex(weights, total, 50);
}

}  // namespace zarno::odds

#pragma once

#include <cstddef>
#include <optional>

namespace zarno::odds {

// The median of a distribution given by its weights at 0, 1, 2, ...: the smallest value whose
// cumulative weight reaches half of `total`. None when the weights listed do not reach it, the
// rest of the total lying beyond them. The observed players and the exact law use the same rule.
template <class Weights, class Total>
std::optional<std::size_t> medianIndex(const Weights& weights, Total total) {
    Total below = 0;
    for (std::size_t i = 0; i < std::size(weights); ++i) {
        below += weights[i];
        if (total > 0 && 2 * below >= total) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace zarno::odds

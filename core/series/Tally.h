#pragma once

#include <cstdint>

#include "core/engine/Play.h"

namespace zarno {

// Rows at which a series stops by itself. The pass that meets the limit still draws one more row,
// so a series holds at most rowLimit + 1 rows.
inline constexpr std::int64_t rowLimit = 4'000'000'000;

// What a series has counted: its rows, which are also the euros spent, the euros won, and the
// rows by their hits at the series' level. Counts are 64-bit: at millions of rows a second a
// 32-bit count would wrap within minutes.
struct Tally {
    std::int64_t rows = 0;
    std::int64_t winnings = 0;
    HitCounts hits{};

    bool operator==(const Tally&) const = default;

    // Adds rows played at a level, counted by their hits, and their prizes. At a level outside
    // 2..10 the rows count, and nothing else.
    void add(int level, const HitCounts& counted, std::int64_t rowCount) {
        rows += rowCount;
        for (int k = 0; isLevel(level) && k <= level; ++k) {
            const std::int64_t n = counted[static_cast<std::size_t>(k)];
            hits[static_cast<std::size_t>(k)] += n;
            winnings += n * prize(level, k);
        }
    }
};

// A count's share of a total, as a fraction: the count divided by the total. Needs total > 0.
constexpr double shareOf(std::int64_t count, std::int64_t total) {
    return static_cast<double>(count) / static_cast<double>(total);
}

// A count's share of the rows in percent: the count divided by the rows, then times 100, in that
// order. The captions and the chart both show shares and the payout with it, so they agree to
// the last digit. Needs rows > 0.
constexpr double percentOf(std::int64_t count, std::int64_t rows) {
    return shareOf(count, rows) * 100.0;
}

}  // namespace zarno

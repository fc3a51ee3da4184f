#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/engine/Lottery.h"

namespace zarno {

// Where a level's counters begin among all levels' counters: levels 2 .. level-1 come first,
// with l + 1 counters each.
constexpr std::size_t hitCountersBefore(int level) {
    return static_cast<std::size_t>((level - minLevel) * (level + 3) / 2);
}

// Everything the simulator remembers about a series of rows. Counts are 64-bit: at millions of
// rows per second a 32-bit count would wrap within minutes.
struct SimulationState {
    using Row = std::array<std::int16_t, rowSize>;

    Row Drawn{};  // the row being scored, in the order drawn
    bool StopRequested = false;
    bool NewSeries = false;
    bool ResetPending = false;
    std::int64_t Rows = 0;
    // Hits2 .. Hits10 back to back: level L has L + 1 counters, indexed by the hit count.
    std::array<std::int64_t, hitCountersBefore(maxLevel + 1)> hitCounts{};
    std::int64_t Winnings = 0;

    std::span<std::int64_t> Hits(int level) {
        return std::span(hitCounts).subspan(hitCountersBefore(level),
                                            static_cast<std::size_t>(level) + 1);
    }
    std::span<const std::int64_t> Hits(int level) const {
        return std::span(hitCounts).subspan(hitCountersBefore(level),
                                            static_cast<std::size_t>(level) + 1);
    }
};

static_assert(std::tuple_size_v<decltype(SimulationState::hitCounts)> == 63);

}  // namespace zarno

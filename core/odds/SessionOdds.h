#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace zarno::odds {

// The session lengths the chart compares: one row, ten rows, and a row a week for a year, ten
// years and a hundred years.
inline constexpr std::array<int, 5> sessionLengths = {1, 10, 52, 520, 5200};

// The exact law of a session: `rows` rows played at one level, each costing a euro.
struct SessionLaw {
    int rows = 0;
    std::vector<double> byWinnings;  // the chance of winning exactly w euros, w = 0 .. rows
    double ahead = 0;                // the chance of winning more than the stake

    // The median net result, winnings minus stake; none when more than half end ahead.
    std::optional<std::int64_t> medianNet() const;
};

// The sum of a session's prizes, row by row, kept only up to the stake: whatever passes it can
// only end ahead, and is held apart, so that even chances of 10^-60 keep their precision. About
// rows^2 times the level's distinct prizes steps. Gives up, unfinished, once `cancel` is set.
SessionLaw sessionLaw(int level, int rows, const std::atomic<bool>* cancel = nullptr);

using SessionLaws = std::array<SessionLaw, sessionLengths.size()>;

// Every length's law at a level.
SessionLaws sessionLaws(int level, const std::atomic<bool>* cancel = nullptr);

// The band that the payout percentage stays in with a chance of about 95 % (two standard
// deviations) or 99.7 % (three) after `rows` rows: E(L) +- sigmas * s(L) / sqrt(rows), in percent.
struct Band {
    double low = 0;
    double high = 0;
};
Band payoutBand(int level, std::int64_t rows, double sigmas);

}  // namespace zarno::odds

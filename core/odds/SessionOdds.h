#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace zarno::odds {

// The session lengths the chart compares: one row, ten rows, and a row a week for a year, ten
// years and a hundred years.
inline constexpr std::array<int, 5> sessionLengths = {1, 10, 52, 520, 5200};

// Chances this small add nothing visible and would only slow the arithmetic down as subnormal
// numbers: the programmes below drop them.
inline constexpr double negligible = 1e-290;
inline void dropNegligible(std::span<double> chances) {
    for (double& chance : chances) {
        chance = chance < negligible ? 0.0 : chance;
    }
}

// One row's prizes and their chances, equal prizes merged, by prize.
std::vector<std::pair<std::int64_t, double>> rowPrizes(int level);

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

// The shares of a crowd of players that its chart's lines and bands follow: the net result that
// 5, 25, 50, 75 and 95 % of them reach or stay under.
inline constexpr std::array<int, 5> crowdPercents = {5, 25, 50, 75, 95};
// The rows a player has played at which the crowd is followed: 1 to 5 200, some three steps a
// power of ten, the session lengths among them.
inline constexpr std::array<int, 25> crowdGrid = {1,   2,    3,    5,    7,    10,   15,  20,  30,
                                                  40,  52,   70,   100,  150,  200,  300, 400, 520,
                                                  700, 1000, 1500, 2000, 3000, 4000, 5200};

// The crowd after `rows` rows: the net result, winnings minus stake, at each of crowdPercents;
// each the smallest whose cumulative chance reaches its share.
struct CrowdPoint {
    int rows = 0;
    std::array<std::int64_t, crowdPercents.size()> net{};
};

// The crowd at each of `grid`'s rows, ascending, in one pass of the same programme as the
// sessions', kept to the winnings the highest share needs at the last of them. Empty when
// cancelled.
std::vector<CrowdPoint> crowdLaw(int level, std::span<const int> grid,
                                 const std::atomic<bool>* cancel = nullptr);

// Every length's law at a level, and its crowd at every row of crowdGrid.
struct SessionLaws {
    std::array<SessionLaw, sessionLengths.size()> sessions;
    std::vector<CrowdPoint> crowd;

    const SessionLaw& operator[](std::size_t i) const { return sessions[i]; }
    SessionLaw& operator[](std::size_t i) { return sessions[i]; }
};
SessionLaws sessionLaws(int level, const std::atomic<bool>* cancel = nullptr);

// The band that the payout percentage stays in with a chance of about 95 % (two standard
// deviations) or 99.7 % (three) after `rows` rows: E(L) +- sigmas * s(L) / sqrt(rows), in percent.
struct Band {
    double low = 0;
    double high = 0;
};
Band payoutBand(int level, std::int64_t rows, double sigmas);

}  // namespace zarno::odds

#include "core/odds/SessionOdds.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"
#include "core/odds/Percentile.h"

namespace zarno::odds {
std::optional<std::int64_t> SessionLaw::medianNet() const {
    const std::optional<std::size_t> median = medianIndex(byWinnings, 1.0);
    if (!median) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*median) - rows;
}

SessionLaw sessionLaw(int level, int rows, const std::atomic<bool>* cancel) {
    SessionLaw law;
    law.rows = rows;
    law.byWinnings.assign(static_cast<std::size_t>(rows) + 1, 0.0);
    law.byWinnings[0] = 1.0;
    const auto prizes = rowPrizes(level);
    std::vector<double> next(law.byWinnings.size());
    const auto top = static_cast<std::int64_t>(rows);
    for (int row = 0; row < rows; ++row) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            return law;
        }
        std::fill(next.begin(), next.end(), 0.0);
        for (std::int64_t won = 0; won <= top; ++won) {
            const double chance = law.byWinnings[static_cast<std::size_t>(won)];
            if (chance == 0) {
                continue;
            }
            for (const auto& [amount, p] : prizes) {
                if (won + amount <= top) {
                    next[static_cast<std::size_t>(won + amount)] += chance * p;
                } else {
                    law.ahead += chance * p;
                }
            }
        }
        dropNegligible(next);
        law.byWinnings.swap(next);
    }
    return law;
}

std::vector<std::pair<std::int64_t, double>> rowPrizes(int level) {
    std::map<std::int64_t, double> merged;
    for (int k = 0; k <= level; ++k) {
        merged[prize(level, k)] += hitChance(level, k);
    }
    return {merged.begin(), merged.end()};
}

namespace {

// The crowd with winnings followed up to `cap`, beyond which they only count as beyond; none
// when the highest share lies past the cap at the last row, or the work is cancelled.
std::optional<std::vector<CrowdPoint>> crowdUpTo(int level, std::span<const int> grid,
                                                 std::int64_t cap,
                                                 const std::atomic<bool>* cancel) {
    const auto prizes = rowPrizes(level);
    const auto size = static_cast<std::size_t>(cap) + 1;
    std::vector<double> law(size, 0.0);
    std::vector<double> next(size);
    law[0] = 1.0;
    std::vector<CrowdPoint> points;
    std::size_t at = 0;
    for (int row = 1; at < grid.size(); ++row) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        // Prize by prize, a shifted copy: a loop the compiler vectorises.
        std::fill(next.begin(), next.end(), 0.0);
        for (const auto& [amount, p] : prizes) {
            const auto shift = static_cast<std::size_t>(std::min(amount, cap + 1));
            for (std::size_t w = 0; w + shift < size; ++w) {
                next[w + shift] += law[w] * p;
            }
        }
        dropNegligible(next);
        law.swap(next);
        if (row != grid[at]) {
            continue;
        }
        CrowdPoint point{row, {}};
        double below = 0;
        std::size_t share = 0;
        for (std::size_t w = 0; w < size && share < crowdPercents.size(); ++w) {
            below += law[w];
            while (share < crowdPercents.size() && reaches(below, 1.0, crowdPercents[share])) {
                point.net[share++] = static_cast<std::int64_t>(w) - row;
            }
        }
        if (share < crowdPercents.size()) {
            return std::nullopt;  // the cap is too low
        }
        points.push_back(point);
        ++at;
    }
    return points;
}

}  // namespace

std::vector<CrowdPoint> crowdLaw(int level, std::span<const int> grid,
                                 const std::atomic<bool>* cancel) {
    if (grid.empty()) {
        return {};
    }
    // Two and a half times the stake holds the highest share at every level; should it not, the
    // cap doubles.
    for (std::int64_t cap = 5 * std::int64_t{grid.back()} / 2 + 10;; cap *= 2) {
        if (auto points = crowdUpTo(level, grid, cap, cancel)) {
            return std::move(*points);
        }
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            return {};
        }
    }
}

SessionLaws sessionLaws(int level, const std::atomic<bool>* cancel) {
    SessionLaws all;
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        all[i] = sessionLaw(level, sessionLengths[i], cancel);
    }
    all.crowd = crowdLaw(level, crowdGrid, cancel);
    return all;
}

Band payoutBand(int level, std::int64_t rows, double sigmas) {
    const double expected = 100 * expectedPrize(level);
    const double spread = rows > 0 ? sigmas * payoutDeviation(level, rows) : 0;
    return {expected - spread, expected + spread};
}

}  // namespace zarno::odds

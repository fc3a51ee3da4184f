#include "core/odds/SessionOdds.h"

#include <cmath>
#include <map>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Median.h"
#include "core/odds/Odds.h"

namespace zarno::odds {
namespace {

// Chances this small add nothing visible and would only slow the arithmetic down as subnormal
// numbers.
constexpr double negligible = 1e-290;

}  // namespace

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
    // One row's prizes and their chances, equal prizes merged.
    std::map<std::int64_t, double> merged;
    for (int k = 0; k <= level; ++k) {
        merged[prize(level, k)] += hitChance(level, k);
    }
    const std::vector<std::pair<std::int64_t, double>> prizes(merged.begin(), merged.end());
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
        for (double& chance : next) {
            chance = chance < negligible ? 0.0 : chance;
        }
        law.byWinnings.swap(next);
    }
    return law;
}

SessionLaws sessionLaws(int level, const std::atomic<bool>* cancel) {
    SessionLaws all;
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        all[i] = sessionLaw(level, sessionLengths[i], cancel);
    }
    return all;
}

Band payoutBand(int level, std::int64_t rows, double sigmas) {
    const double expected = 100 * expectedPrize(level);
    const double spread = rows > 0 ? sigmas * payoutDeviation(level, rows) : 0;
    return {expected - spread, expected + spread};
}

}  // namespace zarno::odds

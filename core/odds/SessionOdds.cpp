#include "core/odds/SessionOdds.h"

#include <cmath>
#include <map>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"

namespace zarno::odds {
namespace {

// Chances this small add nothing visible and would only slow the arithmetic down as subnormal
// numbers.
constexpr double negligible = 1e-290;

}  // namespace

std::int64_t SessionLaw::medianNet() const {
    double below = 0;
    for (std::size_t w = 0; w < byWinnings.size(); ++w) {
        below += byWinnings[w];
        if (below >= 0.5) {
            return static_cast<std::int64_t>(w) - rows;
        }
    }
    return 1;  // more than half end ahead: the median lies above the stake
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

Band payoutBand(int level, std::int64_t rows, double sigmas) {
    const double expected = 100 * expectedPrize(level);
    const double spread =
        rows > 0 ? sigmas * 100 * prizeDeviation(level) / std::sqrt(static_cast<double>(rows)) : 0;
    return {expected - spread, expected + spread};
}

SessionLawCache::~SessionLawCache() {
    cancel_ = true;
    if (work_.valid()) {
        work_.wait();  // ends at once now
    }
}

const SessionLaws* SessionLawCache::laws(int level) {
    if (const auto found = done_.find(level); found != done_.end()) {
        return &found->second;
    }
    if (working_ != 0 && work_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        done_[working_] = work_.get();
        working_ = 0;
        return laws(level);
    }
    if (working_ == 0) {
        working_ = level;
        work_ = std::async(std::launch::async, [level, this] {
            SessionLaws all;
            for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
                all[i] = sessionLaw(level, sessionLengths[i], &cancel_);
            }
            return all;
        });
    }
    return nullptr;
}

}  // namespace zarno::odds

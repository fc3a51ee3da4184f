#include "core/odds/BudgetOdds.h"

#include <algorithm>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"

namespace zarno::odds {
namespace {

// What one row does to a balance: it costs a euro and pays the prize.
std::vector<std::pair<std::int64_t, double>> rowChanges(int level) {
    auto changes = rowPrizes(level);
    for (auto& [change, chance] : changes) {
        --change;
    }
    return changes;
}

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

// The chance that the budget is gone within each row count from 0 to `horizon`; empty when
// cancelled. Balances are indexed by euros; a balance above the rows left is safe and dropped.
std::vector<double> goneWithin(int level, std::int64_t budget, std::int64_t horizon,
                               const std::atomic<bool>* cancel) {
    std::vector<double> gone(static_cast<std::size_t>(horizon) + 1, 0.0);
    if (budget > horizon) {
        return gone;  // it cannot be gone in time
    }
    const auto changes = rowChanges(level);
    std::vector<double> law(static_cast<std::size_t>(horizon) + 1, 0.0);
    std::vector<double> next(law.size());
    law[static_cast<std::size_t>(budget)] = 1.0;
    double broke = 0;
    for (std::int64_t row = 0; row < horizon; ++row) {
        if (cancelled(cancel)) {
            return {};
        }
        const std::int64_t top = horizon - row;       // balances kept before this row
        const std::int64_t keep = horizon - row - 1;  // and after it
        std::fill(next.begin(), next.begin() + keep + 1, 0.0);
        for (const auto& [change, p] : changes) {
            // Balance b becomes b + change: gone below 1, safe above `keep`.
            const std::int64_t first = std::max<std::int64_t>(1, 1 - change);
            for (std::int64_t b = 1; b < std::min(first, top + 1); ++b) {
                broke += law[static_cast<std::size_t>(b)] * p;
            }
            const std::int64_t last = std::min(top, keep - change);
            for (std::int64_t b = first; b <= last; ++b) {
                next[static_cast<std::size_t>(b + change)] += law[static_cast<std::size_t>(b)] * p;
            }
        }
        for (std::int64_t b = 0; b <= keep; ++b) {
            double& chance = next[static_cast<std::size_t>(b)];
            chance = chance < negligible ? 0.0 : chance;
        }
        law.swap(next);
        gone[static_cast<std::size_t>(row + 1)] = broke;
    }
    return gone;
}

// The chance to reach 2B before the budget is gone. Seen from 2B down, the balance rises a euro
// at most a row, so the chance to be gone first from a balance b is W(2B - b) / W(2B), W the walk's
// scale function: W(0) = 0, W(1) = 1, and each next one from those before it, 2B steps of the
// level's prizes. None when cancelled.
std::optional<double> doubling(int level, std::int64_t budget, const std::atomic<bool>* cancel) {
    const auto changes = rowChanges(level);
    double down = 0;   // the chance a row loses its euro: the walk seen from 2B rises one
    double stays = 0;  // a prize of one euro
    for (const auto& [change, p] : changes) {
        down = change == -1 ? p : down;
        stays = change == 0 ? p : stays;
    }
    const std::int64_t goal = 2 * budget;
    std::vector<double> scale(static_cast<std::size_t>(goal) + 1, 0.0);
    scale[1] = 1.0;
    for (std::int64_t y = 1; y < goal; ++y) {
        if (cancelled(cancel)) {
            return std::nullopt;
        }
        double falls = 0;  // rows that win c + 1 euros take the walk seen from 2B down c
        for (const auto& [change, p] : changes) {
            if (change >= 1 && y - change >= 1) {
                falls += p * scale[static_cast<std::size_t>(y - change)];
            }
        }
        scale[static_cast<std::size_t>(y + 1)] =
            ((1 - stays) * scale[static_cast<std::size_t>(y)] - falls) / down;
    }
    return 1 - scale[static_cast<std::size_t>(budget)] / scale[static_cast<std::size_t>(goal)];
}

}  // namespace

std::optional<double> BudgetLaw::brokeChance(int rows) const {
    const auto at = std::find(crowdGrid.begin(), crowdGrid.end(), rows);
    if (!complete || at == crowdGrid.end()) {
        return std::nullopt;
    }
    return brokeWithin[static_cast<std::size_t>(at - crowdGrid.begin())];
}

BudgetLaw budgetLaw(int level, int budget, const std::atomic<bool>* cancel) {
    BudgetLaw law{level, budget, {}, std::nullopt, 0, false};
    const std::int64_t longest = budgetRowsPerEuro * budget;
    // The table's rows first; a player stops after `longest` rows, so later counts are the same.
    std::int64_t horizon = std::min<std::int64_t>(crowdGrid.back(), longest);
    std::vector<double> gone = goneWithin(level, budget, horizon, cancel);
    if (gone.empty()) {
        return law;
    }
    for (std::size_t i = 0; i < crowdGrid.size(); ++i) {
        law.brokeWithin[i] =
            gone[static_cast<std::size_t>(std::min<std::int64_t>(crowdGrid[i], horizon))];
    }
    // The median, further out when it lies beyond: first where a budget lasts on average, a row
    // losing 1 - E(L) euros on average, then twice as far at a time.
    const auto average = static_cast<std::int64_t>(1.05 * budget / (1 - expectedPrize(level)));
    while (gone.back() < 0.5 && horizon < longest) {
        horizon = std::min(std::max(2 * horizon, average), longest);
        gone = goneWithin(level, budget, horizon, cancel);
        if (gone.empty()) {
            return law;
        }
    }
    const auto half = std::find_if(gone.begin(), gone.end(), [](double p) { return p >= 0.5; });
    if (half != gone.end()) {
        law.medianRows = half - gone.begin();
    }
    const std::optional<double> doubles = doubling(level, budget, cancel);
    if (!doubles) {
        return law;
    }
    law.doubles = *doubles;
    law.complete = true;
    return law;
}

}  // namespace zarno::odds

#include "core/odds/BudgetOdds.h"

#include <algorithm>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"
#include "core/odds/Percentile.h"

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
        dropNegligible(std::span(next).first(static_cast<std::size_t>(keep) + 1));
        law.swap(next);
        gone[static_cast<std::size_t>(row + 1)] = broke;
    }
    return gone;
}

// Sums of runs of positive terms, each added up from blocks of the terms themselves, never taken
// as the difference of two larger sums: a run's sum keeps its precision however small it is
// beside the terms before it.
class PositiveSums {
public:
    explicit PositiveSums(std::size_t capacity) {
        for (std::size_t width = 1; width <= std::max<std::size_t>(capacity, 1); width *= 2) {
            blocks_.emplace_back(capacity / width + 1, 0.0);
        }
    }
    void push(double term) {
        for (std::size_t level = 0; level < blocks_.size(); ++level) {
            blocks_[level][count_ >> level] += term;
        }
        ++count_;
    }
    // The sum of the terms from `first` up to, not including, `last`.
    double sum(std::size_t first, std::size_t last) const {
        double total = 0;
        while (first < last) {
            std::size_t level = 0;
            while (level + 1 < blocks_.size() && first % (std::size_t{2} << level) == 0 &&
                   first + (std::size_t{2} << level) <= last) {
                ++level;
            }
            total += blocks_[level][first >> level];
            first += std::size_t{1} << level;
        }
        return total;
    }

private:
    std::vector<std::vector<double>> blocks_;  // blocks of 1, 2, 4, ... terms
    std::size_t count_ = 0;
};

// The chance to reach 2B before the budget is gone. Seen from 2B down, y = 2B - balance, the walk
// rises a euro at most a row, so the chance to be gone first from y is W(y) / W(2B), W the walk's
// scale function: W(0) = 0, W(1) = 1. Its steps d(y) = W(y + 1) - W(y) follow from those before,
//     P(lose a euro) d(y) = sum over rows that win c + 1 euros of P(win) (W(y) - W(y - c)),
// each difference a run of earlier steps; and the chance to double is the steps from B to 2B over
// all of them. As sums of positive terms only, it stays exact to its last digits even where it is
// far below 1e-16, where 1 - W(B) / W(2B) would be rounding. None when cancelled.
std::optional<double> doubling(int level, std::int64_t budget, const std::atomic<bool>* cancel) {
    double down = 0;  // the chance a row loses its euro
    std::vector<std::pair<std::int64_t, double>> wins;
    for (const auto& [change, p] : rowChanges(level)) {
        if (change == -1) {
            down = p;
        } else if (change >= 1) {
            wins.emplace_back(change, p);
        }
    }
    const auto goal = static_cast<std::size_t>(2 * budget);
    PositiveSums steps(goal);
    steps.push(1.0);
    for (std::size_t y = 1; y < goal; ++y) {
        if (cancelled(cancel)) {
            return std::nullopt;
        }
        double rises = 0;
        for (const auto& [c, p] : wins) {
            const auto back = static_cast<std::size_t>(c);
            rises += p * steps.sum(y > back ? y - back : 0, y);
        }
        steps.push(rises / down);
    }
    return steps.sum(static_cast<std::size_t>(budget), goal) / steps.sum(0, goal);
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
    const std::int64_t longest = longestPlay(budget);
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
    const auto half =
        std::find_if(gone.begin(), gone.end(), [](double p) { return reaches(p, 1.0, 50); });
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

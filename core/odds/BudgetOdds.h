#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/odds/SessionOdds.h"

namespace zarno::odds {

// A budget played a row at a time, winnings back into it, until it is below one row's cost.
inline constexpr int smallestBudget = 1;
inline constexpr int largestBudget = 100'000;
inline constexpr int defaultBudget = 100;
// The rows the budget's table follows.
inline constexpr std::array<int, 6> budgetLengths = {10, 52, 100, 520, 1000, 5200};
// A player of the budget stops, at the latest, after this many times the budget in rows.
inline constexpr std::int64_t budgetRowsPerEuro = 100;
constexpr std::int64_t longestPlay(std::int64_t budget) {
    return budgetRowsPerEuro * budget;
}

// The exact law of a budget at a level.
struct BudgetLaw {
    int level = 0;
    int budget = 0;
    // The chance that the budget is gone within each row count of crowdGrid.
    std::array<double, crowdGrid.size()> brokeWithin{};
    // The rows after which at least half of the budgets are gone; none when that takes more than
    // budgetRowsPerEuro times the budget.
    std::optional<std::int64_t> medianRows;
    // The chance that the budget reaches twice itself before it is gone.
    double doubles = 0;
    bool complete = false;  // false when cancelled

    // The chance that it is gone within `rows` rows, one of crowdGrid's.
    std::optional<double> brokeChance(int rows) const;
};

// The chance to be gone within every row count up to a horizon is exact with the balance capped
// at the rows left: a balance above them cannot reach zero in time. About horizon^2 / 2 times the
// level's prizes steps; the median looks as far as a budget lasts on average, then further, up to
// 100 times the budget. The chance to double is that of the absorbing chain on 0 .. 2B, read from
// the walk's scale function in 2B steps, since a balance falls at most a euro a row.
BudgetLaw budgetLaw(int level, int budget, const std::atomic<bool>* cancel = nullptr);

}  // namespace zarno::odds

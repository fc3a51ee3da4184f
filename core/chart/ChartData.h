#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "core/odds/BudgetOdds.h"
#include "core/odds/SessionOdds.h"
#include "core/series/SeriesRecord.h"

// The chart window's tables as figures, for people and programs alike: the window formats them in
// the user's language, the command line and a saved run write them as they are.
namespace zarno::chart {

// One figure: a whole number, a real number, or none where there is nothing to show yet.
using Cell = std::variant<std::monostate, std::int64_t, double>;

// A table by stable English keys, with shares and chances as fractions and money in euros.
struct DataTable {
    std::string_view name;
    std::vector<std::string_view> keys;
    std::vector<std::vector<Cell>> rows;
};

// The payout at each power of ten of rows from 1000 on and at the rows shown, beside the
// expected payout and its band of two standard deviations.
DataTable payoutData(const SeriesRecord& record, int level);
// Each hit count from L down to 0: the rows, their share, the exact share, and how many standard
// deviations the count strays from what the odds expect.
DataTable hitsData(const SeriesRecord& record, int level);
// Each session length: the players, the share of them ahead and their median net result, beside
// the exact figures; `laws` may be missing while they are being worked out.
DataTable playersData(const SeriesRecord& record, int level, const odds::SessionLaws* laws);

// The budget's players: at each of budgetLengths, the exact chance to be gone within that many
// rows, the share of the run's players gone within them, and how many players there are.
DataTable budgetData(const SeriesRecord& record, const odds::BudgetLaw* law);
// The budget's median rows until gone, exactly (none beyond its players' longest play), and the
// chance to double before gone, exact and observed.
DataTable budgetSummaryData(const SeriesRecord& record, const odds::BudgetLaw* law);

// The exact figures of levels, without a row drawn. Each level side by side with the others: its
// payout and the share of the stakes the game keeps, its standard deviation, the rows it takes to
// settle within half a point, the players of 52 and of 520 rows ahead and their median, and the
// top prize with one in how many rows it falls, and in how many years at a row a week. The
// players' figures come from the levels' laws, in the same order; a missing law leaves them blank.
// Then each hit count's chance and prize, and the exact figures of the players of each session
// length.
DataTable exactLevelsData(std::span<const int> levels,
                          std::span<const odds::SessionLaws* const> laws);
DataTable exactHitsData(std::span<const int> levels);
// Each level's budget, exactly: the chance to be gone within each of budgetLengths rows, the
// median rows until gone and the chance to double before, from the levels' laws in order.
DataTable exactBudgetData(std::span<const odds::BudgetLaw> laws);
DataTable exactPlayersData(std::span<const int> levels, std::span<const odds::SessionLaws> laws);

}  // namespace zarno::chart

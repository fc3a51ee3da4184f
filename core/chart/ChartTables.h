#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/odds/SessionOdds.h"
#include "core/series/SeriesRecord.h"
#include "core/text/Wording.h"

namespace zarno {

// A table of the chart window as text: what a screen reader reads and the clipboard takes.
struct Table {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// The payout at each power of ten of rows from 1000 on and at the rows shown, beside the
// expected payout and its band of two standard deviations.
Table payoutTable(const SeriesRecord& record, int level, const Wording& wording);
// Each hit count from L down to 0: the rows, their share, the exact share, and how many
// standard deviations the count strays from what the odds expect.
Table hitsTable(const SeriesRecord& record, int level, const Wording& wording);
// Each session length: the players, the share of them ahead and their median net result, beside
// the exact figures; `laws` may be missing while they are being worked out.
Table playersTable(const SeriesRecord& record, int level, const odds::SessionLaws* laws,
                   const Wording& wording);

// The levels side by side, exact; `laws` holds each level's session laws in the same order, null
// while they are worked out.
Table levelsTable(std::span<const int> levels, std::span<const odds::SessionLaws* const> laws,
                  const Wording& wording);
// The budget's players within each of budgetLengths rows, exact and observed; and a line of its
// median rows until gone and its chance to double before, "yli" its players' longest play when
// the median lies beyond.
Table budgetTable(const SeriesRecord& record, const odds::BudgetLaw* law, const Wording& wording);
Table budgetSummaryTable(const SeriesRecord& record, const odds::BudgetLaw* law,
                         const Wording& wording);
// Where the budget's players start, when the budget was set during the run; empty otherwise.
std::string budgetFromText(const SeriesRecord& record, const Wording& wording);
// What the game keeps of the stakes at the level, exactly, and in the record once it has rows.
std::string keptText(const SeriesRecord& record, int level, const Wording& wording);

// Four significant digits; below 10^-4 a mantissa and a power of ten ("6.218e-53").
void appendSignificant(std::string& out, double value, char separator);

}  // namespace zarno

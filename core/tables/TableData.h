#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/odds/BudgetOdds.h"
#include "core/odds/SessionOdds.h"
#include "core/series/SeriesRecord.h"
#include "core/tables/Tables.h"

// The tables' figures, for people and programs alike: the window and the command line's text
// write them in the user's language, CSV and a saved run as they are.
namespace zarno::tables {

// More rows than the figure's players ever play: the figure lies beyond them.
struct Beyond {
    std::int64_t rows = 0;

    bool operator==(const Beyond&) const = default;
};

// The numbers of a row, in the order drawn.
struct Numbers {
    Row drawn{};

    bool operator==(const Numbers&) const = default;
};

// A text, such as the name of a pupil's file.
struct Text {
    std::string text;

    bool operator==(const Text&) const = default;
};

// One figure: a whole number, a real number, one beyond a count of rows, a row's numbers, a text,
// or none where there is nothing to show yet.
using Cell = std::variant<std::monostate, std::int64_t, double, Beyond, Numbers, Text>;
using Line = std::vector<Cell>;

// A table of figures by its columns, shares and chances as fractions, money in euros.
struct DataTable {
    explicit DataTable(const TableKind& kind, int levelShown = 0)
        : name(kind.name), columns(kind.columns.begin(), kind.columns.end()), level(levelShown) {}

    std::string_view name;
    std::vector<Column> columns;
    // The level whose hit labels the shares of hits follow, where the lines do not name a level.
    int level = 0;
    std::vector<Line> rows;

    // A new line of the table, every figure none.
    Line& addLine() { return rows.emplace_back(columns.size()); }
    // The column that `key` names, if the table has it.
    std::optional<std::size_t> find(std::string_view key) const;
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
// Every jackpot of the series, in the order drawn: its row and its numbers.
DataTable jackpotsData(const SeriesRecord& record);
// The budget's players: at each of budgetLengths, the exact chance to be gone within that many
// rows, the share of the run's players gone within them, and how many players there are.
DataTable budgetData(const SeriesRecord& record, const odds::BudgetLaw* law);
// The budget's median rows until gone, exactly (beyond its players' longest play when it lies
// there), and the chance to double before gone, exact and observed.
DataTable budgetSummaryData(const SeriesRecord& record, const odds::BudgetLaw* law);

// The exact figures of levels, without a row drawn. Each level side by side with the others: its
// payout and the share of the stakes the game keeps, its standard deviation, the rows it takes to
// settle within half a point, the players of 52 and of 520 rows ahead and their median, and the
// top prize with one in how many rows it falls, and in how many years at a row a week, and what one
// row wins: anything, only its stake back, more than its stake. The
// players' figures come from the levels' laws, in the same order; a missing law leaves them blank.
DataTable levelsData(std::span<const int> levels, std::span<const odds::SessionLaws* const> laws);
// Each level's hit counts with their chances and prizes, and the exact figures of its players of
// each session length.
DataTable exactHitsData(std::span<const int> levels);
// A level whose laws are missing has its figures blank.
DataTable exactPlayersData(std::span<const int> levels,
                           std::span<const odds::SessionLaws* const> laws);
// Each level's budget, exactly: the chance to be gone within each of budgetLengths rows, the
// median rows until gone and the chance to double before, from the levels' laws in order.
DataTable exactBudgetData(std::span<const odds::BudgetLaw> laws);

// The table with only its keys' and its exact columns: what it says before a row is drawn.
DataTable exactColumns(const DataTable& table);
// The lines of one level of a table of levels, without the level's column.
DataTable linesOfLevel(const DataTable& table, int level);

}  // namespace zarno::tables

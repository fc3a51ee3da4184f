#include "core/tables/TableData.h"

#include <algorithm>

#include "core/engine/PrizeTable.h"
#include "core/odds/LessonOdds.h"
#include "core/odds/Odds.h"

namespace zarno::tables {
namespace {

bool isPowerOfTen(std::int64_t rows) {
    while (rows >= 10 && rows % 10 == 0) {
        rows /= 10;
    }
    return rows == 1;
}

// A count's share of a total; none without a total.
Cell share(std::int64_t count, std::int64_t total) {
    return total > 0 ? Cell(shareOf(count, total)) : Cell();
}

template <class Value>
Cell cellOf(const std::optional<Value>& value) {
    return value ? Cell(*value) : Cell();
}

// The crowd of the laws after `rows` rows, where the laws follow it there.
const odds::CrowdPoint* crowdAt(const odds::SessionLaws& laws, int rows) {
    const auto found = std::find_if(laws.crowd.begin(), laws.crowd.end(),
                                    [rows](const odds::CrowdPoint& p) { return p.rows == rows; });
    return found != laws.crowd.end() ? &*found : nullptr;
}

// The budget's median rows, or how far its players play when it lies beyond them; none until the
// law is complete.
Cell medianRows(const odds::BudgetLaw& law) {
    if (!law.complete) {
        return law.medianRows ? Cell(*law.medianRows) : Cell();
    }
    return law.medianRows ? Cell(*law.medianRows) : Cell(Beyond{odds::longestPlay(law.budget)});
}

}  // namespace

std::optional<std::size_t> DataTable::find(std::string_view key) const {
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [key](const Column& column) { return column.key == key; });
    return found != columns.end() ? std::optional(found - columns.begin()) : std::nullopt;
}

DataTable payoutData(const SeriesRecord& record, int level) {
    DataTable table(payoutTable, level);
    if (!isLevel(level)) {
        return table;
    }
    const auto line = [&](std::int64_t rows, std::int64_t winnings) {
        const odds::Band band = odds::payoutBand(level, rows, 2);
        Line& added = table.addLine();
        added[at(payoutTable, "rows")] = rows;
        added[at(payoutTable, "payout")] = share(winnings, rows);
        added[at(payoutTable, "expected")] = odds::expectedPrize(level);
        added[at(payoutTable, "low_2sd")] = band.low / 100;
        added[at(payoutTable, "high_2sd")] = band.high / 100;
    };
    for (const PayoutPoint& point : record.path()) {
        if (isPowerOfTen(point.rows)) {
            line(point.rows, point.winnings);
        }
    }
    if (record.rows() > 0 && (table.rows.empty() || !isPowerOfTen(record.rows()))) {
        line(record.rows(), record.winnings());
    }
    return table;
}

DataTable hitsData(const SeriesRecord& record, int level) {
    DataTable table(hitsTable, level);
    for (int k = level; isLevel(level) && k >= 0; --k) {
        const std::int64_t count = record.hits()[static_cast<std::size_t>(k)];
        Line& line = table.addLine();
        line[at(hitsTable, "hits")] = std::int64_t{k};
        line[at(hitsTable, "rows")] = count;
        line[at(hitsTable, "share")] = share(count, record.rows());
        line[at(hitsTable, "expected_share")] = odds::hitChance(level, k);
        if (record.rows() > 0) {
            line[at(hitsTable, "deviation")] = odds::hitDeviation(level, k, count, record.rows());
        }
    }
    return table;
}

DataTable playersData(const SeriesRecord& record, int level, const odds::SessionLaws* laws) {
    DataTable table(playersTable, level);
    for (std::size_t i = 0; isLevel(level) && i < sessionLengths.size(); ++i) {
        const SessionTally& tally = record.sessions(i);
        const int length = sessionLengths[i];
        Line& line = table.addLine();
        line[at(playersTable, "session_rows")] = std::int64_t{length};
        line[at(playersTable, "players")] = tally.completed;
        line[at(playersTable, "ahead")] = share(tally.ahead, tally.completed);
        line[at(playersTable, "median")] = cellOf(tally.medianNet());
        line[at(playersTable, "expected_result")] = odds::expectedNet(level, length);
        if (laws) {
            const odds::SessionLaw& law = (*laws)[i];
            line[at(playersTable, "ahead_exact")] = law.ahead;
            line[at(playersTable, "median_exact")] = cellOf(law.medianNet());
            if (const odds::CrowdPoint* point = crowdAt(*laws, length)) {
                line[at(playersTable, "p5_exact")] = point->net.front();
                line[at(playersTable, "p95_exact")] = point->net.back();
            }
        }
    }
    return table;
}

DataTable jackpotsData(const SeriesRecord& record) {
    DataTable table(jackpotsTable);
    for (const JackpotRow& jackpot : record.jackpots()) {
        Line& line = table.addLine();
        line[at(jackpotsTable, "row")] = jackpot.row;
        line[at(jackpotsTable, "drawn")] = Numbers{jackpot.drawn};
    }
    return table;
}

DataTable budgetData(const SeriesRecord& record, const odds::BudgetLaw* law) {
    DataTable table(budgetTable);
    const BudgetTally& played = record.budget();
    for (const int rows : odds::budgetLengths) {
        Line& line = table.addLine();
        line[at(budgetTable, "rows")] = std::int64_t{rows};
        line[at(budgetTable, "gone_exact")] = cellOf(law ? law->brokeChance(rows) : std::nullopt);
        line[at(budgetTable, "gone")] = cellOf(played.goneWithin(rows));
        line[at(budgetTable, "players")] = played.completed;
    }
    return table;
}

DataTable budgetSummaryData(const SeriesRecord& record, const odds::BudgetLaw* law) {
    DataTable table(budgetSummaryTable);
    Line& line = table.addLine();
    if (law && law->complete) {
        line[at(budgetSummaryTable, "median_rows_exact")] = medianRows(*law);
        line[at(budgetSummaryTable, "doubles_exact")] = law->doubles;
    }
    line[at(budgetSummaryTable, "doubles")] = cellOf(record.budget().doubledShare());
    return table;
}

DataTable exactBudgetData(std::span<const odds::BudgetLaw> laws) {
    DataTable table(exactBudgetTable);
    for (const odds::BudgetLaw& law : laws) {
        for (const int rows : odds::budgetLengths) {
            Line& line = table.addLine();
            line[at(exactBudgetTable, "level")] = std::int64_t{law.level};
            line[at(exactBudgetTable, "budget")] = std::int64_t{law.budget};
            line[at(exactBudgetTable, "rows")] = std::int64_t{rows};
            line[at(exactBudgetTable, "gone")] = cellOf(law.brokeChance(rows));
            line[at(exactBudgetTable, "median_rows")] = medianRows(law);
            if (law.complete) {
                line[at(exactBudgetTable, "doubles")] = law.doubles;
            }
        }
    }
    return table;
}

DataTable levelsData(std::span<const int> levels, std::span<const odds::SessionLaws* const> laws) {
    DataTable table(levelsTable);
    constexpr std::size_t year = 2;  // sessionLengths[2] is 52 rows, [3] 520
    static_assert(sessionLengths[year] == 52 && sessionLengths[year + 1] == 520);
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const int level = levels[l];
        const double payout = odds::expectedPrize(level);
        const double oneIn = 1 / odds::hitChance(level, level);
        Line& line = table.addLine();
        line[at(levelsTable, "level")] = std::int64_t{level};
        line[at(levelsTable, "payout")] = payout;
        line[at(levelsTable, "kept")] = 1 - payout;
        line[at(levelsTable, "sd")] = odds::prizeDeviation(level);
        line[at(levelsTable, "rows_to_settle")] = odds::rowsToSettle(level);
        line[at(levelsTable, "top_prize")] = prize(level, level);
        line[at(levelsTable, "top_prize_one_in")] = oneIn;
        line[at(levelsTable, "top_prize_years_weekly")] = oneIn / odds::weeksAYear;
        const odds::RowShares shares = odds::rowShares(level);
        line[at(levelsTable, "wins_something")] = shares.wins;
        line[at(levelsTable, "stake_back")] = shares.stakeBack;
        line[at(levelsTable, "more_than_stake")] = shares.more;
        if (const odds::SessionLaws* law = l < laws.size() ? laws[l] : nullptr) {
            line[at(levelsTable, "ahead_52")] = (*law)[year].ahead;
            line[at(levelsTable, "median_52")] = cellOf((*law)[year].medianNet());
            line[at(levelsTable, "ahead_520")] = (*law)[year + 1].ahead;
            line[at(levelsTable, "median_520")] = cellOf((*law)[year + 1].medianNet());
        }
    }
    return table;
}

DataTable exactHitsData(std::span<const int> levels) {
    DataTable table(exactHitsTable);
    for (const int level : levels) {
        for (int k = level; k >= 0; --k) {
            Line& line = table.addLine();
            line[at(exactHitsTable, "level")] = std::int64_t{level};
            line[at(exactHitsTable, "hits")] = std::int64_t{k};
            line[at(exactHitsTable, "chance")] = odds::hitChance(level, k);
            line[at(exactHitsTable, "prize")] = prize(level, k);
        }
    }
    return table;
}

DataTable exactPlayersData(std::span<const int> levels,
                           std::span<const odds::SessionLaws* const> laws) {
    DataTable table(exactPlayersTable);
    for (std::size_t l = 0; l < levels.size(); ++l) {
        for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
            Line& line = table.addLine();
            line[at(exactPlayersTable, "level")] = std::int64_t{levels[l]};
            line[at(exactPlayersTable, "session_rows")] = std::int64_t{sessionLengths[i]};
            line[at(exactPlayersTable, "expected_result")] =
                odds::expectedNet(levels[l], sessionLengths[i]);
            if (!laws[l]) {
                continue;
            }
            const odds::SessionLaw& law = (*laws[l])[i];
            line[at(exactPlayersTable, "ahead")] = law.ahead;
            line[at(exactPlayersTable, "median")] = cellOf(law.medianNet());
            if (const odds::CrowdPoint* point = crowdAt(*laws[l], sessionLengths[i])) {
                line[at(exactPlayersTable, "p5")] = point->net.front();
                line[at(exactPlayersTable, "p95")] = point->net.back();
            }
        }
    }
    return table;
}

DataTable exactColumns(const DataTable& table) {
    DataTable exact = table;
    exact.columns.clear();
    for (Line& line : exact.rows) {
        line.clear();
    }
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].source == Source::observed) {
            continue;
        }
        exact.columns.push_back(table.columns[c]);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            exact.rows[r].push_back(table.rows[r][c]);
        }
    }
    return exact;
}

DataTable linesOfLevel(const DataTable& table, int level) {
    DataTable lines = table;
    lines.level = level;
    lines.rows.clear();
    const std::optional<std::size_t> levelColumn = table.find("level");
    if (!levelColumn) {
        return lines;
    }
    const auto c = static_cast<std::ptrdiff_t>(*levelColumn);
    lines.columns.erase(lines.columns.begin() + c);
    for (const Line& line : table.rows) {
        if (line[*levelColumn] == Cell(std::int64_t{level})) {
            Line& kept = lines.rows.emplace_back(line);
            kept.erase(kept.begin() + c);
        }
    }
    return lines;
}

}  // namespace zarno::tables

#include "core/chart/ChartData.h"

#include <algorithm>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"

namespace zarno::chart {
namespace {

constexpr double weeksAYear = 52;

bool isPowerOfTen(std::int64_t rows) {
    while (rows >= 10 && rows % 10 == 0) {
        rows /= 10;
    }
    return rows == 1;
}

// A count's share of a total, as a fraction; none without a total. Times 100 it is the share
// in percent that the captions show, to the last bit.
Cell share(std::int64_t count, std::int64_t total) {
    return total > 0 ? Cell(static_cast<double>(count) / static_cast<double>(total)) : Cell();
}

// The crowd of the laws after `rows` rows, where the laws follow it there.
const odds::CrowdPoint* crowdAt(const odds::SessionLaws& laws, int rows) {
    const auto found = std::find_if(laws.crowd.begin(), laws.crowd.end(),
                                    [rows](const odds::CrowdPoint& p) { return p.rows == rows; });
    return found != laws.crowd.end() ? &*found : nullptr;
}

}  // namespace

DataTable payoutData(const SeriesRecord& record, int level) {
    DataTable table{"payout", {"rows", "payout", "expected", "low_2sd", "high_2sd"}, {}};
    if (!isLevel(level)) {
        return table;
    }
    const auto line = [&](std::int64_t rows, std::int64_t winnings) {
        const odds::Band band = odds::payoutBand(level, rows, 2);
        table.rows.push_back({rows, share(winnings, rows), odds::expectedPrize(level),
                              band.low / 100, band.high / 100});
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
    DataTable table{"hits", {"hits", "rows", "share", "expected_share", "deviation"}, {}};
    for (int k = level; isLevel(level) && k >= 0; --k) {
        const std::int64_t count = record.hits()[static_cast<std::size_t>(k)];
        const Cell deviation =
            record.rows() > 0 ? Cell(odds::hitDeviation(level, k, count, record.rows())) : Cell();
        table.rows.push_back({std::int64_t{k}, count, share(count, record.rows()),
                              odds::hitChance(level, k), deviation});
    }
    return table;
}

DataTable playersData(const SeriesRecord& record, int level, const odds::SessionLaws* laws) {
    DataTable table{"players",
                    {"session_rows", "players", "ahead", "ahead_exact", "median", "median_exact",
                     "expected_result", "p5_exact", "p95_exact"},
                    {}};
    for (std::size_t i = 0; isLevel(level) && i < sessionLengths.size(); ++i) {
        const SessionTally& tally = record.sessions(i);
        const int length = sessionLengths[i];
        std::vector<Cell> line = {std::int64_t{length},
                                  tally.completed,
                                  share(tally.ahead, tally.completed),
                                  {},
                                  {},
                                  {},
                                  length * (odds::expectedPrize(level) - 1),
                                  {},
                                  {}};
        if (const auto median = tally.medianNet()) {
            line[4] = *median;
        }
        if (laws) {
            const odds::SessionLaw& law = (*laws)[i];
            line[3] = law.ahead;
            if (const auto median = law.medianNet()) {
                line[5] = *median;
            }
            if (const odds::CrowdPoint* point = crowdAt(*laws, length)) {
                line[7] = point->net.front();
                line[8] = point->net.back();
            }
        }
        table.rows.push_back(std::move(line));
    }
    return table;
}

DataTable budgetData(const SeriesRecord& record, const odds::BudgetLaw* law) {
    DataTable table{"budget", {"rows", "gone_exact", "gone", "players"}, {}};
    const BudgetTally& players = record.budget();
    for (const int rows : odds::budgetLengths) {
        std::vector<Cell> line = {std::int64_t{rows}, {}, {}, players.completed};
        if (const auto chance = law ? law->brokeChance(rows) : std::nullopt) {
            line[1] = *chance;
        }
        if (const auto share = players.goneWithin(rows)) {
            line[2] = *share;
        }
        table.rows.push_back(std::move(line));
    }
    return table;
}

DataTable budgetSummaryData(const SeriesRecord& record, const odds::BudgetLaw* law) {
    DataTable table{"budget_summary", {"median_rows_exact", "doubles_exact", "doubles"}, {}};
    std::vector<Cell> line(3);
    if (law && law->complete) {
        if (law->medianRows) {
            line[0] = *law->medianRows;
        }
        line[1] = law->doubles;
    }
    if (const auto share = record.budget().doubledShare()) {
        line[2] = *share;
    }
    table.rows.push_back(std::move(line));
    return table;
}

DataTable exactBudgetData(std::span<const odds::BudgetLaw> laws) {
    DataTable table{"budget", {"level", "budget", "rows", "gone", "median_rows", "doubles"}, {}};
    for (const odds::BudgetLaw& law : laws) {
        for (const int rows : odds::budgetLengths) {
            const auto gone = law.brokeChance(rows);
            table.rows.push_back({std::int64_t{law.level}, std::int64_t{law.budget},
                                  std::int64_t{rows}, gone ? Cell(*gone) : Cell(),
                                  law.medianRows ? Cell(*law.medianRows) : Cell(),
                                  law.complete ? Cell(law.doubles) : Cell()});
        }
    }
    return table;
}

DataTable exactLevelsData(std::span<const int> levels,
                          std::span<const odds::SessionLaws* const> laws) {
    DataTable table{
        "levels",
        {"level", "payout", "kept", "sd", "rows_to_settle", "ahead_52", "median_52", "ahead_520",
         "median_520", "top_prize", "top_prize_one_in", "top_prize_years_weekly"},
        {}};
    constexpr std::size_t year = 2;  // sessionLengths[2] is 52 rows, [3] 520
    static_assert(sessionLengths[year] == 52 && sessionLengths[year + 1] == 520);
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const int level = levels[l];
        const double payout = odds::expectedPrize(level);
        const double oneIn = 1 / odds::hitChance(level, level);
        std::vector<Cell> line = {std::int64_t{level},
                                  payout,
                                  1 - payout,
                                  odds::prizeDeviation(level),
                                  odds::rowsToSettle(level),
                                  {},
                                  {},
                                  {},
                                  {},
                                  prize(level, level),
                                  oneIn,
                                  oneIn / weeksAYear};
        if (const odds::SessionLaws* law = l < laws.size() ? laws[l] : nullptr) {
            for (const std::size_t i : {year, year + 1}) {
                const std::size_t at = 5 + 2 * (i - year);
                line[at] = (*law)[i].ahead;
                if (const auto median = (*law)[i].medianNet()) {
                    line[at + 1] = *median;
                }
            }
        }
        table.rows.push_back(std::move(line));
    }
    return table;
}

DataTable exactHitsData(std::span<const int> levels) {
    DataTable table{"hits", {"level", "hits", "chance", "prize"}, {}};
    for (const int level : levels) {
        for (int k = level; k >= 0; --k) {
            table.rows.push_back(
                {std::int64_t{level}, std::int64_t{k}, odds::hitChance(level, k), prize(level, k)});
        }
    }
    return table;
}

DataTable exactPlayersData(std::span<const int> levels, std::span<const odds::SessionLaws> laws) {
    DataTable table{"players",
                    {"level", "session_rows", "ahead", "median", "expected_result", "p5", "p95"},
                    {}};
    for (std::size_t l = 0; l < levels.size(); ++l) {
        for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
            const odds::SessionLaw& law = laws[l][i];
            const auto median = law.medianNet();
            const odds::CrowdPoint* point = crowdAt(laws[l], sessionLengths[i]);
            table.rows.push_back({std::int64_t{levels[l]}, std::int64_t{sessionLengths[i]},
                                  law.ahead, median ? Cell(*median) : Cell(),
                                  sessionLengths[i] * (odds::expectedPrize(levels[l]) - 1),
                                  point ? Cell(point->net.front()) : Cell(),
                                  point ? Cell(point->net.back()) : Cell()});
        }
    }
    return table;
}

}  // namespace zarno::chart

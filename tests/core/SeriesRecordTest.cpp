// What a series records for the chart: sessions cut from its rows, the payout path, and the
// tables made of them.
#include "core/series/SeriesRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <span>

#include "core/chart/ChartFigures.h"
#include "core/chart/TableText.h"
#include "core/engine/PrizeTable.h"
#include "core/text/ResultsText.h"

namespace zarno {
namespace {

// Commits the rows from `row` to `end` of blocks kept from `hits`, in stretches that end at the
// blocks' ends.
void commitRows(SeriesRecord& record, std::span<const BlockPrizes> blocks,
                const std::vector<std::uint8_t>& hits, const PrizeOf& prizeOf, std::size_t row,
                std::size_t end) {
    while (row < end) {
        const std::size_t block = row / blockRows;
        const std::size_t count = std::min(end, (block + 1) * blockRows) - row;
        record.commit(StretchPrizes(blocks[block], hits.data() + block * blockRows, prizeOf,
                                    row % blockRows, count));
        row += count;
    }
}

// The players of a budget from row `from` to `to`, played a row at a time.
BudgetTally playedRowByRow(const std::vector<std::uint32_t>& prizes, int budget, std::size_t from,
                           std::size_t to) {
    BudgetTally tally{budget, static_cast<std::int64_t>(from), 0, 0, {}};
    std::int64_t balance = budget;
    std::int64_t played = 0;
    bool doubled = false;
    for (std::size_t r = from; r < to; ++r) {
        balance += static_cast<std::int64_t>(prizes[r]) - 1;
        ++played;
        doubled = doubled || balance >= 2 * budget;
        if (balance < 1 || played == odds::longestPlay(budget)) {
            ++tally.completed;
            tally.doubled += doubled ? 1 : 0;
            if (balance < 1) {
                tally.goneAfter.add(played);
            }
            balance = budget;
            played = 0;
            doubled = false;
        }
    }
    return tally;
}

// A scripted series of 12 345 rows, committed in stretches that end where the engine's do (at
// 1000th rows and now and then in between, as at a jackpot) from blocks of 10 000 rows, refreshed
// as fast mode refreshes: the sessions are those of a plain cut.
TEST(SeriesRecord, CutsTheSeriesIntoCompletedSessionsFromItsFirstRow) {
    const PrizeOf prizeOf{0, 60, 7};
    std::vector<std::uint8_t> hits(2 * blockRows);
    std::vector<std::uint32_t> prizes(12'345);
    for (std::size_t i = 0; i < prizes.size(); ++i) {
        hits[i] = i % 7 == 0 ? 2 : (i % 97 == 0 ? 1 : 0);
        prizes[i] = prizeOf[hits[i]];
    }
    std::array<BlockPrizes, 2> blocks;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        blocks[b].keep(std::span(hits).subspan(b * blockRows, blockRows), prizeOf);
    }
    Tally tally;
    SeriesRecord record;
    record.setBudget(5);
    std::size_t row = 0;
    for (const std::size_t end : {700u, 1000u, 2000u, 2513u, 3000u, 10'000u, 11'000u, 12'345u}) {
        commitRows(record, blocks, hits, prizeOf, row, end);
        row = end;
        tally.rows = static_cast<std::int64_t>(row);
        if (row % 1000 == 0) {
            record.refresh(2, tally);
        }
    }
    EXPECT_EQ(record.rows(), 11'000);  // the last refresh, as the captions show it
    for (std::size_t i = 1; i < sessionLengths.size(); ++i) {
        const auto length = static_cast<std::size_t>(sessionLengths[i]);
        SessionTally expected;
        expected.byWinnings.resize(length + 1);
        for (std::size_t first = 0; first + length <= 11'000; first += length) {
            const auto won = std::accumulate(
                prizes.begin() + static_cast<std::ptrdiff_t>(first),
                prizes.begin() + static_cast<std::ptrdiff_t>(first + length), std::int64_t{0});
            ++expected.completed;
            won > static_cast<std::int64_t>(length)
                ? ++expected.ahead
                : ++expected.byWinnings[static_cast<std::size_t>(won)];
        }
        SCOPED_TRACE(length);
        EXPECT_EQ(record.sessions(i).completed, expected.completed);
        EXPECT_EQ(record.sessions(i).ahead, expected.ahead);
        EXPECT_EQ(record.sessions(i).byWinnings, expected.byWinnings);
    }
    // The crowd's players of 5 200 rows, each followed at every row of the grid.
    ASSERT_EQ(record.crowd().completed, 2);
    ASSERT_EQ(record.crowd().paths.size(), 2u);
    for (std::size_t p = 0; p < 2; ++p) {
        for (std::size_t i = 0; i < odds::crowdGrid.size(); ++i) {
            const auto first = prizes.begin() + static_cast<std::ptrdiff_t>(p * 5200);
            EXPECT_EQ(record.crowd().paths[p][i],
                      std::accumulate(first, first + odds::crowdGrid[i], std::int64_t{0}))
                << p << ", " << odds::crowdGrid[i];
        }
    }
    const std::int64_t lower = std::min(record.crowd().paths[0][4], record.crowd().paths[1][4]);
    EXPECT_EQ(record.crowd().net(4, 50), lower - 7);  // one of two is half of them
    EXPECT_EQ(record.budget(), playedRowByRow(prizes, 5, 0, 11'000));
    record.setBudget(7);  // from the next row on
    EXPECT_EQ(record.budget().fromRow, 12'345);
    record.clear();
    EXPECT_EQ(record.sessions(1).completed, 0);
    EXPECT_EQ(record.crowd().completed, 0);
    EXPECT_EQ(record.budget().budget, 7);  // the chart's setting outlives the series
    EXPECT_TRUE(record.path().empty());
}

// A budget's players are those of playing row by row, wherever the stretches end and whatever
// the rows win: rows that lose end players far ahead, a euro won back puts the end off a row at a
// time, wins double them or let them play their longest, and a budget set within a block starts
// from its row.
TEST(SeriesRecord, ABudgetsPlayersAreThoseOfPlayingRowByRow) {
    const struct {
        const char* name;
        PrizeOf prizeOf;              // of 0, 1 and 2 hits
        std::vector<double> weights;  // of 0, 1 and 2 hits
        int budget;
        std::size_t setAt;  // the row the budget is set at, one where a stretch ends
    } cases[] = {
        {"mostly losing", {0, 0, 7}, {0.92, 0.0, 0.08}, 100, 0},
        {"a euro back often, a doubling win seldom", {1, 0, 200}, {0.13, 0.8696, 0.0004}, 100, 0},
        {"set within a block", {0, 0, 7}, {0.88, 0.0, 0.12}, 30, 14'321},
        {"doubling and playing the longest", {0, 5000, 3}, {0.7995, 0.0005, 0.2}, 20, 0},
    };
    constexpr std::size_t rows = 3 * blockRows;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937_64 random(7);
        std::discrete_distribution<int> hit(c.weights.begin(), c.weights.end());
        std::vector<std::uint8_t> hits(rows);
        std::vector<std::uint32_t> prizes(rows);
        for (std::size_t r = 0; r < rows; ++r) {
            hits[r] = static_cast<std::uint8_t>(hit(random));
            prizes[r] = c.prizeOf[hits[r]];
        }
        std::vector<BlockPrizes> blocks(rows / blockRows);
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            blocks[b].keep(std::span(hits).subspan(b * blockRows, blockRows), c.prizeOf);
        }
        SeriesRecord record;
        record.setBudget(c.budget);
        std::size_t row = 0;
        for (const std::size_t end :
             {137u, 1000u, 2513u, 9'999u, 10'001u, 14'321u, 19'000u, 25'050u, 30'000u}) {
            commitRows(record, blocks, hits, c.prizeOf, row, end);
            row = end;
            if (row == c.setAt) {
                record.setBudget(c.budget);
            }
        }
        record.refresh(2, Tally{});
        EXPECT_EQ(record.budget(), playedRowByRow(prizes, c.budget, c.setAt, rows));
    }
}

bool shows(const Table& table, const std::string& text) {
    for (const auto& line : table.rows) {
        for (const auto& cell : line) {
            if (cell.find(text) != std::string::npos) {
                return true;
            }
        }
    }
    return false;
}

// States at the edges of a series give tables without a number that is none.
TEST(SeriesRecord, TablesStayWholeAtTheEdgesOfASeries) {
    const struct {
        const char* name;
        int level;
        std::int64_t rows;
        std::vector<std::int64_t> hits;  // by hit count, from 0
        std::size_t payoutLines;
    } cases[] = {
        {"no row yet", 10, 0, {}, 0},
        {"a jackpot at row 7", 10, 7, {1, 3, 2, 0, 0, 0, 0, 0, 0, 0, 1}, 1},
        {"between powers of ten", 2, 3'500'000, {1'800'000, 1'400'000, 300'000}, 5},
        {"at the row limit", 2, 4'000'000'001, {2'000'000'000, 1'700'000'000, 300'000'001}, 8},
        {"no level", 0, 5000, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SeriesRecord record;
        Tally tally;
        for (std::int64_t rows = 1000; rows < c.rows; rows *= 10) {
            tally.rows = rows;
            record.refresh(c.level, tally);
        }
        tally.rows = c.rows;
        for (std::size_t k = 0; k < c.hits.size(); ++k) {
            tally.hits[k] = c.hits[k];
            tally.winnings += c.hits[k] * prize(c.level, static_cast<int>(k));
        }
        record.refresh(c.level, tally);
        const odds::SessionLaws laws{};
        for (const tables::DataTable& data :
             {tables::payoutData(record, c.level), tables::hitsData(record, c.level),
              tables::playersData(record, c.level, &laws),
              tables::playersData(record, c.level, nullptr),
              tables::levelsData(allLevels,
                                 std::vector<const odds::SessionLaws*>(allLevels.size())),
              tables::budgetData(record, nullptr), tables::budgetSummaryData(record, nullptr)}) {
            const Table table = textOf(data, Wording(','));
            EXPECT_FALSE(shows(table, "nan") || shows(table, "inf"));
            for (const auto& line : table.rows) {
                EXPECT_EQ(line.size(), table.headers.size());
            }
        }
        // The figures the charts are drawn from are numbers too.
        const chart::PayoutFigure payout = chart::payoutFigure(record, c.level);
        std::vector<double> figures = {payout.firstRows, payout.lastRows, payout.low, payout.high};
        for (const chart::FunnelPoint& p : payout.funnel) {
            figures.insert(figures.end(), {p.rows, p.low3, p.low2, p.expected, p.high2, p.high3});
        }
        for (const chart::PathPoint& p : payout.path) {
            figures.insert(figures.end(), {p.rows, p.payout});
        }
        for (const chart::HitFigure& bar : chart::hitsFigure(record, c.level)) {
            figures.insert(figures.end(), {bar.exact, bar.observed.value_or(0)});
        }
        for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
            // The exact law of the short sessions; the longest takes long to work out.
            const odds::SessionLaw law = isLevel(c.level) && sessionLengths[i] <= 52
                                             ? odds::sessionLaw(c.level, sessionLengths[i])
                                             : odds::SessionLaw{};
            for (const auto* given :
                 {law.rows > 0 ? &law : nullptr, static_cast<const odds::SessionLaw*>(nullptr)}) {
                for (const chart::HistogramBar& bar :
                     chart::playersFigure(record.sessions(i), given).bars) {
                    figures.insert(figures.end(), {bar.net, bar.observed, bar.exact});
                }
            }
        }
        EXPECT_TRUE(
            std::all_of(figures.begin(), figures.end(), [](double v) { return std::isfinite(v); }));
        EXPECT_EQ(payout.funnel.empty(), !isLevel(c.level));
        EXPECT_EQ(tables::payoutData(record, c.level).rows.size(), c.payoutLines);
        EXPECT_EQ(tables::hitsData(record, c.level).rows.size(),
                  isLevel(c.level) ? static_cast<std::size_t>(c.level) + 1 : 0u);
    }
}

// A budget whose median lies beyond its players' longest play says so.
TEST(SeriesRecord, ABudgetThatOutlastsItsPlayersSaysBeyond) {
    const odds::BudgetLaw lasting{2, 30, {}, std::nullopt, 0.5, true};
    EXPECT_EQ(textOf(tables::budgetSummaryData(SeriesRecord{}, &lasting), Wording(',')).rows.at(0),
              std::vector<std::string>({"yli 3 000", "50,00", ""}));
}

// The winnings label and the payout table show the same percentage, to the last digit they both
// write, for every pair of winnings and rows.
TEST(SeriesRecord, TheCaptionAndThePayoutTableAgree) {
    std::string caption;
    SeriesRecord record;
    // Rows that are no power of ten from 1000 on, so that the table's last line is the refresh's.
    for (std::int64_t rows = 1; rows <= 40'000; rows += rows < 100 ? 1 : 37) {
        for (std::int64_t winnings = 0; winnings <= rows * 3; winnings += 1 + rows / 20) {
            Tally tally;
            tally.rows = rows;
            tally.winnings = winnings;
            record.refresh(2, tally);
            writeWinningsCaption(caption, winnings, rows, Wording('.'));
            const std::size_t open = caption.find(" ( ") + 3;
            const double inCaption =
                std::stod(caption.substr(open, caption.find('%', open) - open));
            const Table table = textOf(tables::payoutData(record, 2), Wording('.'));
            ASSERT_EQ(std::stod(table.rows.back()[1]), inCaption) << winnings << " / " << rows;
        }
    }
}

TEST(SeriesRecord, ChancesHaveFourSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.6458, "2,646"},     {12.5, "12,50"},           {100, "100,0"}, {0.0012345, "0,001235"},
        {0.0001, "0,0001000"}, {6.2184e-53, "6,218e-53"}, {0, "0"},       {99.99996, "100,0"},
        {-0.99999, "-1,000"}};
    for (const auto& c : cases) {
        std::string text;
        appendSignificant(text, c.value, ',');
        EXPECT_EQ(text, c.text);
    }
}

// Counts read back in the order of their values across the array and the map they are kept in,
// and a visit stops where it is told to.
TEST(SeriesRecord, CountsOfValuesComeBackInOrderWhereverTheyAreKept) {
    constexpr std::int64_t edge = ValueCounts::denseValues;
    const std::int64_t values[] = {edge, -3, 0, edge - 1, 5, 200'000, 5, -3};
    ValueCounts counts;
    std::map<std::int64_t, std::int64_t> expected;
    for (const std::int64_t value : values) {
        counts.add(value);
        ++expected[value];
    }
    counts.add(77, 0);  // a value counted no times is not there
    EXPECT_EQ(counts.toMap(), expected);
    EXPECT_EQ(counts.count(5), 2);
    EXPECT_FALSE(counts.contains(77));
    std::vector<std::int64_t> seen;
    EXPECT_FALSE(counts.visit([&seen](std::int64_t value, std::int64_t) {
        seen.push_back(value);
        return value < edge - 1;
    }));
    EXPECT_EQ(seen, (std::vector<std::int64_t>{-3, 0, 5, edge - 1}));
    ValueCounts reversed;
    for (auto at = std::rbegin(values); at != std::rend(values); ++at) {
        reversed.add(*at);
    }
    EXPECT_EQ(reversed, counts);
}

}  // namespace
}  // namespace zarno

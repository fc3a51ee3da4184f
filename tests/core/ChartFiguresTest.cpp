// What the chart window draws, as numbers: the funnel's axis and range, the straying hit counts,
// and the players' histogram.
#include "core/chart/ChartFigures.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/odds/LessonOdds.h"
#include "core/odds/Odds.h"

namespace zarno {
namespace {

SeriesRecord recordAt(int level, std::int64_t rows, std::int64_t winnings, HitCounts hits = {}) {
    SeriesRecord record;
    Tally tally{rows, winnings, hits};
    record.refresh(level, tally);
    return record;
}

// The axis runs from 1000 rows to the power of ten at or past the rows shown; the payout range
// holds the funnel's mouth and where the payout stands, unless it stands far off.
TEST(ChartFigures, ThePayoutAxisFollowsTheRowsAndTheRangeThePayout) {
    const double e = 100 * odds::expectedPrize(2);
    const double mouth3 = 3 * odds::payoutDeviation(2, 1000);
    const struct {
        std::int64_t rows, winnings;
        double lastRows, low, high;
    } cases[] = {
        {0, 0, 1e4, e - mouth3 - 1, e + mouth3 + 1},
        {500'000, 275'000, 1e6, e - mouth3 - 1, e + mouth3 + 1},
        {1'000'000, 900'000, 1e6, e - mouth3 - 1, 90 + 1},            // a payout of 90 % widens it
        {1'000'000, 10'000, 1e6, 1 - 1, e + mouth3 + 1},              // and one of 1 %
        {1'000'000, 3'000'000, 1e6, e - mouth3 - 1, e + mouth3 + 1},  // 300 % is left out
        {rowLimit + 1, 2'200'000'000, 1e10, e - mouth3 - 1, e + mouth3 + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        const chart::PayoutFigure figure = chart::payoutFigure(recordAt(2, c.rows, c.winnings), 2);
        EXPECT_EQ(figure.firstRows, 1000);
        EXPECT_EQ(figure.lastRows, c.lastRows);
        EXPECT_NEAR(figure.low, c.low, 1e-9);
        EXPECT_NEAR(figure.high, c.high, 1e-9);
        ASSERT_EQ(figure.funnel.size(), 121u);
        EXPECT_EQ(figure.funnel.front().rows, 1000);
        EXPECT_NEAR(figure.funnel.back().rows, c.lastRows, 1e-6 * c.lastRows);
        for (const chart::FunnelPoint& p : figure.funnel) {
            EXPECT_TRUE(p.low3 < p.low2 && p.low2 < p.expected && p.expected < p.high2 &&
                        p.high2 < p.high3);
        }
        // The path ends at the rows shown, from 1000 rows on.
        EXPECT_EQ(figure.path.empty(), c.rows < 1000);
        if (!figure.path.empty()) {
            EXPECT_EQ(figure.path.back().rows, static_cast<double>(c.rows));
            EXPECT_EQ(figure.path.back().payout, percentOf(c.winnings, c.rows));
        }
    }
    EXPECT_TRUE(chart::payoutFigure(recordAt(0, 5000, 0), 0).funnel.empty());
}

// At level 2 after 10 000 rows, 787 rows of two hits are expected, give or take 27.
TEST(ChartFigures, AHitCountStraysBeyondTwoStandardDeviations) {
    const struct {
        std::int64_t twoHits;
        bool shown;
        bool strays;
    } cases[] = {{787, true, false},
                 {840, true, false},
                 {845, true, true},
                 {700, true, true},
                 {0, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.twoHits);
        const HitCounts hits{9000 - c.twoHits, 1000, c.twoHits};
        const auto figure = chart::hitsFigure(recordAt(2, 10'000, 7 * c.twoHits, hits), 2);
        ASSERT_EQ(figure.size(), 3u);
        EXPECT_EQ(figure[2].hits, 2);
        EXPECT_EQ(figure[2].exact, 100 * odds::hitChance(2, 2));
        EXPECT_EQ(figure[2].observed.has_value(), c.shown);
        EXPECT_EQ(figure[2].strays, c.strays);
    }
}

// Net results -length .. 0 in bars of equal width, at most 40 of them, and the players ahead in
// one more bar right of 0; the observed and the exact shares each make up every player.
TEST(ChartFigures, ThePlayersHistogramHoldsEveryPlayer) {
    const struct {
        int length;
        int width;
        std::size_t bars;  // the ahead bar included
        double firstNet;
    } cases[] = {{1, 1, 3, -1}, {10, 1, 12, -10}, {52, 2, 28, -51.5}, {5200, 131, 41, -5135}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        SessionTally tally{c.length, 0, 3,
                           std::vector<std::int64_t>(static_cast<std::size_t>(c.length) + 1)};
        for (std::size_t w = 0; w < tally.byWinnings.size(); w += 3) {
            tally.byWinnings[w] = static_cast<std::int64_t>(w % 7);
        }
        tally.completed =
            tally.ahead + std::accumulate(tally.byWinnings.begin(), tally.byWinnings.end(), 0ll);
        const odds::SessionLaw law = odds::sessionLaw(10, std::min(c.length, 52));
        const bool exact = c.length <= 52;
        const chart::PlayersFigure figure = chart::playersFigure(tally, exact ? &law : nullptr);
        EXPECT_EQ(figure.width, c.width);
        ASSERT_EQ(figure.bars.size(), c.bars);
        EXPECT_EQ(figure.bars.front().net, c.firstNet);
        EXPECT_EQ(figure.bars.back().net, c.width);
        double observed = 0;
        double chance = 0;
        for (const chart::HistogramBar& bar : figure.bars) {
            observed += bar.observed;
            chance += bar.exact;
        }
        EXPECT_NEAR(observed, 100, 1e-9);
        EXPECT_NEAR(chance, exact ? 100 : 0, 1e-9);
        EXPECT_EQ(figure.aheadTop, std::max(figure.bars.back().observed, figure.bars.back().exact));
    }
}

// The levels' chart: one column of their table, shares in percent; a figure that waits for its
// level's laws has no bar, and the level itself is no figure.
TEST(ChartFigures, TheLevelsChartShowsOneColumnOfItsTable) {
    const odds::SessionLaws laws10 = odds::sessionLaws(10);
    const std::vector<const odds::SessionLaws*> laws = {nullptr, &laws10};
    const int levels[] = {2, 10};
    const struct {
        std::size_t column;
        std::vector<chart::LevelBar> bars;
    } cases[] = {
        {0, {}},
        {1, {{2, 100 * odds::expectedPrize(2)}, {10, 100 * odds::expectedPrize(10)}}},
        {2, {{2, 100 - 100 * odds::expectedPrize(2)}, {10, 100 - 100 * odds::expectedPrize(10)}}},
        {5, {{10, 100 * laws10[2].ahead}}},  // the players of 52 rows ahead
        {9, {{2, 7}, {10, 200'000}}},        // the top prize
        {10, {{2, 1 / odds::hitChance(2, 2)}, {10, 1 / odds::hitChance(10, 10)}}},
        {14, {{2, 100 * odds::rowShares(2).more}, {10, 100 * odds::rowShares(10).more}}},
        {15, {}},
    };
    for (const auto& c : cases) {
        const std::vector<chart::LevelBar> bars = chart::levelsFigure(levels, laws, c.column);
        ASSERT_EQ(bars.size(), c.bars.size()) << c.column;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            EXPECT_EQ(bars[i].level, c.bars[i].level) << c.column;
            EXPECT_NEAR(bars[i].value, c.bars[i].value, 1e-9 * c.bars[i].value) << c.column;
        }
    }
}

// The crowd observed: its shares at each row of the grid from the players' winnings there, their
// paths net of the stake, and the luckiest and unluckiest at the last row.
TEST(ChartFigures, TheObservedCrowdFollowsItsPlayers) {
    EXPECT_TRUE(chart::observedCrowdFigure(CrowdTally{}).fan.empty());
    CrowdTally crowd;
    const std::int64_t lastWinnings[] = {3000, 9000, 1000};  // the second luckiest, the third not
    for (const std::int64_t won : lastWinnings) {
        CrowdTally::Path path{};
        path.back() = won;
        crowd.paths.push_back(path);
        ++crowd.completed;
        for (std::size_t i = 0; i < path.size(); ++i) {
            crowd.byWinnings[i].add(path[i]);
        }
    }
    const chart::ObservedCrowd figure = chart::observedCrowdFigure(crowd);
    ASSERT_EQ(figure.fan.size(), odds::crowdGrid.size());
    EXPECT_EQ(figure.fan.back().rows, 5200);
    // 5 % and 25 % reach the first player of three, the median the second, 75 % and 95 % the last.
    EXPECT_EQ(figure.fan.back().net, (std::array<double, 5>{-4200, -4200, -2200, 3800, 3800}));
    EXPECT_EQ(figure.fan.front().net[2], -1);  // nothing won after one row
    EXPECT_EQ(figure.paths[1].back(), 3800);
    EXPECT_EQ(figure.luckiest, 1u);
    EXPECT_EQ(figure.unluckiest, 2u);
}

}  // namespace
}  // namespace zarno

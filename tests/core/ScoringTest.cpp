#include <gtest/gtest.h>

#include <boost/math/special_functions/binomial.hpp>
#include <numeric>

#include "FakeWindow.h"
#include "PrizeTable.h"
#include "ScriptedRandom.h"
#include "Simulator.h"

namespace zarno {
namespace {

using test::FakeWindow;
using test::ScriptedClock;

// A simulator whose rows are set by hand and scored through ScoreRow.
class ScoreRowTest : public ::testing::Test {
protected:
    void play(std::string_view level, std::initializer_list<std::string_view> numbers) {
        window.setLevel(level);
        window.setNumbers(numbers);
    }
    void score(std::initializer_list<int> drawnFirst) {
        SimulationState::Row row{};
        std::size_t i = 0;
        for (const int n : drawnFirst) {
            row[i++] = static_cast<std::int16_t>(n);
        }
        // Fill the rest with numbers no test plays.
        for (std::int16_t filler = 51; i < row.size(); ++i) {
            row[i] = filler++;
        }
        simulator.state().Drawn = row;
        ++simulator.state().Rows;
        simulator.ScoreRow();
    }

    ScriptedClock clock;
    RandomNumbers random{clock, 1};
    FakeWindow window;
    Simulator simulator{window, random, '.'};
};

TEST_F(ScoreRowTest, EachLevelPaysItsPrizeTableRow) {
    // One row per hit count at every level, checked against the table written out in full.
    const std::vector<std::vector<std::int64_t>> expected = {
        {0, 0, 7},
        {0, 0, 1, 18},
        {0, 0, 1, 2, 32},
        {0, 0, 0, 1, 9, 200},
        {0, 0, 0, 1, 3, 20, 420},
        {0, 0, 0, 0, 1, 10, 100, 2400},
        {0, 0, 0, 0, 1, 3, 20, 240, 10000},
        {0, 0, 0, 0, 0, 2, 10, 50, 1200, 50000},
        {1, 0, 0, 0, 0, 1, 4, 20, 200, 5000, 200000},
    };
    for (int level = minLevel; level <= maxLevel; ++level) {
        const auto& prizes = expected[static_cast<std::size_t>(level - minLevel)];
        for (int hits = 0; hits <= level; ++hits) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << hits << " hits");
            SimulationState fresh;
            simulator.state() = fresh;
            window.setLevel(std::to_string(level));
            for (int i = 0; i < level; ++i) {
                window.numbers[static_cast<std::size_t>(i)].setText(std::to_string(i + 1));
            }
            SimulationState::Row row{};
            for (int i = 0; i < 20; ++i) {
                // The first `hits` of the player's numbers 1..L, then numbers above 30.
                row[static_cast<std::size_t>(i)] =
                    static_cast<std::int16_t>(i < hits ? i + 1 : 31 + i);
            }
            simulator.state().Drawn = row;
            simulator.state().Rows = 1;
            simulator.ScoreRow();
            const auto counts = simulator.state().Hits(level);
            EXPECT_EQ(counts[static_cast<std::size_t>(hits)], 1);
            EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}), 1);
            EXPECT_EQ(simulator.state().Winnings, prizes[static_cast<std::size_t>(hits)]);
            EXPECT_EQ(prize(level, hits), prizes[static_cast<std::size_t>(hits)]);
        }
    }
}

TEST_F(ScoreRowTest, ZeroHitsAtLevel10PaysOneEuro) {
    play("10", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    score({});
    EXPECT_EQ(simulator.state().Hits(10)[0], 1);
    EXPECT_EQ(simulator.state().Winnings, 1);
}

TEST_F(ScoreRowTest, ARepeatedNumberCountsTwice) {
    play("3", {"5", "5", "9"});
    score({5});
    EXPECT_EQ(simulator.state().Hits(3)[2], 1);
    EXPECT_EQ(simulator.state().Winnings, 1);
}

TEST_F(ScoreRowTest, NumbersThatAreNoDrawnNumberNeverHit) {
    // Out of range, fractional, or beyond the level: none of them counts.
    play("4", {"0", "71", "5.5", "-5", "6"});
    score({5, 6, 70, 1});
    EXPECT_EQ(simulator.state().Hits(4)[0], 1);
    play("2", {"1.0", "+70"});
    score({70, 1});
    EXPECT_EQ(simulator.state().Hits(2)[2], 1);
}

TEST_F(ScoreRowTest, TheLevelIsRoundedDown) {
    play("2.9", {"1", "2", "3"});
    score({1, 2, 3});
    EXPECT_EQ(simulator.state().Hits(2)[2], 1);
    EXPECT_EQ(simulator.state().Hits(3)[3], 0);
}

TEST_F(ScoreRowTest, ALevelOutsideTwoToTenTalliesNothing) {
    for (const auto level : {"1", "0", "-3", "-40000", "11", "1e3", "x"}) {
        SCOPED_TRACE(level);
        play(level, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        score({1, 2, 3});
    }
    EXPECT_EQ(simulator.state().Winnings, 0);
    for (const auto count : simulator.state().hitCounts) {
        EXPECT_EQ(count, 0);
    }
    EXPECT_EQ(window.pumps, 7);  // the pumping still happens on every row
}

TEST_F(ScoreRowTest, ManyRowsKeepTheHistogramAndWinningsInStep) {
    for (int level = minLevel; level <= maxLevel; ++level) {
        SCOPED_TRACE(level);
        simulator.state() = SimulationState{};
        window.setLevel(std::to_string(level));
        for (int i = 0; i < level; ++i) {
            window.numbers[static_cast<std::size_t>(i)].setText(std::to_string(7 * i + 3));
        }
        constexpr int rows = 20000;
        for (int n = 0; n < rows; ++n) {
            ++simulator.state().Rows;
            simulator.DrawNumbers();
            simulator.ScoreRow();
        }
        const auto counts = simulator.state().Hits(level);
        EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}), rows);
        std::int64_t winnings = 0;
        for (int k = 0; k <= level; ++k) {
            winnings += counts[static_cast<std::size_t>(k)] * prize(level, k);
        }
        EXPECT_EQ(simulator.state().Winnings, winnings);
    }
}

// The exact expected prize per row: the hypergeometric chance of each hit count times its prize.
TEST(PrizeTable, ExpectedReturnOfEveryLevelLiesBetween54And56Percent) {
    using boost::math::binomial_coefficient;
    const double rows = binomial_coefficient<double>(70, 20);
    for (int level = minLevel; level <= maxLevel; ++level) {
        const auto l = static_cast<unsigned>(level);
        double expected = 0;
        for (unsigned k = 0; k <= l; ++k) {
            const double chance = binomial_coefficient<double>(l, k) *
                                  binomial_coefficient<double>(70 - l, 20 - k) / rows;
            expected += chance * static_cast<double>(prize(level, static_cast<int>(k)));
        }
        EXPECT_GT(expected, 0.54) << "level " << level;
        EXPECT_LT(expected, 0.56) << "level " << level;
    }
}

}  // namespace
}  // namespace zarno

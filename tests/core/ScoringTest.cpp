#include <gtest/gtest.h>

#include <numeric>

#include "core/Simulator.h"
#include "core/engine/Play.h"
#include "core/engine/PrizeTable.h"
#include "doubles/Rig.h"

namespace zarno {
namespace {

NumberSet rowOf(std::initializer_list<int> numbers) {
    NumberSet row;
    for (const int n : numbers) {
        row.insert(n);
    }
    return row;
}

// Scoring as a run does it: the play read from the boxes' texts, and rows tallied in passes.
class ScoreRowTest : public ::testing::Test {
protected:
    int hits(std::string_view level, std::initializer_list<std::string_view> numbers,
             const NumberSet& row) {
        window.setLevel(level);
        window.setNumbers(numbers);
        simulator.readRunSettings();
        return scoreRow(row, simulator.play());
    }

    test::Rig rig{1, 1};
    test::FakeWindow& window = rig.window;
    test::FakeServices& services = rig.services;
    Simulator& simulator = rig.simulator;
};

TEST_F(ScoreRowTest, CountsThePlayersNumbersInTheRow) {
    const struct {
        const char* what;
        std::string_view level;
        std::initializer_list<std::string_view> numbers;
        std::initializer_list<int> row;
        int expected;
    } cases[] = {
        {"none", "2", {"1", "2"}, {30, 40}, 0},
        {"all",
         "10",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
         10},
        {"a number in two boxes counts twice", "3", {"5", "5", "9"}, {5}, 2},
        {"no drawable number hits", "4", {"0", "71", "5.5", "-5", "6"}, {5, 6, 70, 1}, 0},
        {"signs and decimals that name a number", "2", {"1.0", "+70"}, {70, 1}, 2},
        {"the level is rounded down", "2.9", {"1", "2", "3"}, {1, 2, 3}, 2},
        {"boxes beyond the level do not play", "3", {"1", "2", "3", "4"}, {4}, 0},
        {"either side of the set's two words", "2", {"63", "64"}, {63, 64}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hits(c.level, c.numbers, rowOf(c.row)), c.expected);
    }
}

TEST_F(ScoreRowTest, EachLevelPaysItsPrizeTableRow) {
    // The table written out in full, checked one pass of one row per hit count.
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
        window.setLevel(std::to_string(level));
        simulator.readRunSettings();
        const auto& prizes = expected[static_cast<std::size_t>(level - minLevel)];
        for (int k = 0; k <= level; ++k) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << k << " hits");
            simulator.state() = SimulationState{};
            simulator.state().Rows = 1;
            HitCounts rows{};
            rows[static_cast<std::size_t>(k)] = 1;
            simulator.ScoreRows(rows);
            const auto counts = simulator.state().Hits(level);
            EXPECT_EQ(counts[static_cast<std::size_t>(k)], 1);
            EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}), 1);
            EXPECT_EQ(simulator.state().Winnings, prizes[static_cast<std::size_t>(k)]);
            EXPECT_EQ(prize(level, k), prizes[static_cast<std::size_t>(k)]);
        }
    }
}

TEST_F(ScoreRowTest, ALevelOutsideTwoToTenTalliesNothing) {
    for (const auto level : {"1", "0", "-3", "-40000", "11", "x"}) {
        SCOPED_TRACE(level);
        window.setLevel(level);
        simulator.readRunSettings();
        simulator.ScoreRows(HitCounts{3, 2, 1});
    }
    EXPECT_EQ(simulator.state().Winnings, 0);
    for (const auto count : simulator.state().hitCounts) {
        EXPECT_EQ(count, 0);
    }
}

}  // namespace
}  // namespace zarno

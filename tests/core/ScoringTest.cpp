#include <gtest/gtest.h>

#include <numeric>

#include "core/engine/Play.h"
#include "core/engine/PrizeTable.h"
#include "core/series/Tally.h"

namespace zarno {
namespace {

NumberSet rowOf(std::initializer_list<int> numbers) {
    NumberSet row;
    for (const int n : numbers) {
        row.insert(n);
    }
    return row;
}

Play playOf(int level, std::array<int, numberBoxes> numbers) {
    Play play;
    play.level = level;
    play.numbers = numbers;
    return play;
}

TEST(ScoreRow, CountsThePlayersNumbersInTheRow) {
    const struct {
        const char* what;
        Play play;
        std::initializer_list<int> row;
        int expected;
    } cases[] = {
        {"none", playOf(2, {1, 2}), {30, 40}, 0},
        {"all", playOf(10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 10},
        {"a number in two places counts twice", playOf(3, {5, 5, 9}), {5}, 2},
        {"0 stands for a number that cannot be drawn", playOf(4, {0, 0, 0, 6}), {5, 6, 70, 1}, 1},
        {"either side of the set's two words", playOf(2, {63, 64}), {63, 64}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(scoreRow(rowOf(c.row), c.play), c.expected);
    }
}

TEST(Tally, EachLevelPaysItsPrizeTableRow) {
    // The table written out in full, checked one row per hit count.
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
        for (int k = 0; k <= level; ++k) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << k << " hits");
            Tally tally;
            HitCounts rows{};
            rows[static_cast<std::size_t>(k)] = 1;
            tally.add(level, rows, 1);
            EXPECT_EQ(tally.hits, rows);
            EXPECT_EQ(tally.rows, 1);
            EXPECT_EQ(tally.winnings, prizes[static_cast<std::size_t>(k)]);
            EXPECT_EQ(prize(level, k), prizes[static_cast<std::size_t>(k)]);
        }
    }
}

TEST(Tally, ALevelOutsideTwoToTenCountsTheRowsOnly) {
    Tally tally;
    for (const int level : {1, 0, -3, -32768, 11}) {
        tally.add(level, HitCounts{3, 2, 1}, 6);
    }
    EXPECT_EQ(tally.rows, 30);
    EXPECT_EQ(tally.winnings, 0);
    EXPECT_EQ(tally.hits, HitCounts{});
}

}  // namespace
}  // namespace zarno

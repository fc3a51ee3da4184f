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

// A tally adds each hit count's rows and their prizes; a prize grows with the hits once a count
// pays, and all L hits pay the most.
TEST(Tally, EachLevelPaysItsPrizeTableRow) {
    for (int level = minLevel; level <= maxLevel; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        Tally tally;
        HitCounts rows{};
        std::int64_t won = 0;
        for (int k = 0; k <= level; ++k) {
            rows[static_cast<std::size_t>(k)] = k + 1;
            won += (k + 1) * prize(level, k);
        }
        tally.add(level, rows, std::accumulate(rows.begin(), rows.end(), std::int64_t{0}));
        EXPECT_EQ(tally.hits, rows);
        EXPECT_EQ(tally.winnings, won);
        for (int k = 2; k <= level; ++k) {
            EXPECT_TRUE(prize(level, k - 1) == 0 || prize(level, k) > prize(level, k - 1)) << k;
        }
        EXPECT_GT(prize(level, level), 0);
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

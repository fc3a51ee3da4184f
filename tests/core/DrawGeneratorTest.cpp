#include "core/engine/DrawGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <system_error>
#include <thread>

#include "doubles/Clocks.h"
#include "doubles/ScriptedRandom.h"

namespace zarno {
namespace {

using test::ScriptedClock;
using test::ScriptedRandom;
using test::valueFor;

std::vector<double> valuesFor(std::initializer_list<int> numbers) {
    std::vector<double> values;
    for (const int n : numbers) {
        values.push_back(valueFor(n));
    }
    return values;
}

TEST(DrawNumbers, EveryRowHoldsTwentyDistinctNumbersFrom1To70) {
    ScriptedClock clock;
    RandomNumbers random(clock, 42);
    Row row{};
    for (int n = 0; n < 20000; ++n) {
        const NumberSet set = drawNumbers(row, random);
        const std::set<int> distinct(row.begin(), row.end());
        ASSERT_EQ(distinct.size(), 20u);
        ASSERT_GE(*distinct.begin(), 1);
        ASSERT_LE(*distinct.rbegin(), 70);
        // The set the draw returns, which scoring uses, holds exactly the row.
        ASSERT_EQ(set.size(), 20);
        for (int number = 0; number <= 70; ++number) {
            ASSERT_EQ(set.contains(number), distinct.count(number) == 1) << number;
        }
    }
}

TEST(DrawNumbers, CandidateIsTheFloorOfRTimes70PlusOne) {
    // r = 0 gives 1 and the largest double below 1 gives 70; the rest fill the row.
    std::vector<double> values = {0.0, std::nextafter(1.0, 0.0)};
    for (int n = 2; n <= 19; ++n) {
        values.push_back(valueFor(n));
    }
    ScriptedRandom random(values);
    Row row{};
    drawNumbers(row, random);
    EXPECT_EQ(row[0], 1);
    EXPECT_EQ(row[1], 70);
    EXPECT_EQ(row[19], 19);
    EXPECT_EQ(random.used(), 20u);
    EXPECT_EQ(random.reseeds(), 1);
}

// The candidate is computed in integers; it must equal floor(r * 70) + 1 for every r, above all
// at the edges between two numbers.
TEST(DrawNumbers, IntegerCandidateEqualsTheFloorOfRTimes70) {
    const auto literal = [](std::uint32_t bits) {
        return static_cast<int>(std::floor(RandomNumbers::toUnit(bits) * 70)) + 1;
    };
    for (std::uint64_t k = 0; k <= 70; ++k) {
        const std::uint64_t edge = (k << 32) / 70;
        for (std::uint64_t bits = edge > 3 ? edge - 3 : 0; bits <= edge + 3 && bits < (1ull << 32);
             ++bits) {
            const auto b = static_cast<std::uint32_t>(bits);
            ASSERT_EQ(candidateFor(b), literal(b)) << bits;
        }
    }
    std::mt19937 spread(5);
    for (int n = 0; n < 1000000; ++n) {
        const auto b = static_cast<std::uint32_t>(spread());
        ASSERT_EQ(candidateFor(b), literal(b)) << b;
    }
    EXPECT_EQ(candidateFor(0), 1);
    EXPECT_EQ(candidateFor(0xffffffffu), 70);
}

TEST(DrawNumbers, ARepeatIsDrawnAgainInTheSameSlot) {
    // 5 repeats slot 0 and 7 repeats slot 1: both are thrown away and slot 2 gets 9.
    auto values = valuesFor({5, 7, 5, 7, 5, 9});
    for (int n = 10; n < 27; ++n) {
        values.push_back(valueFor(n));
    }
    ScriptedRandom random(values);
    Row row{};
    row.fill(33);  // the previous row is cleared first, so 33 is no repeat
    drawNumbers(row, random);
    EXPECT_EQ(random.used(), values.size());
    const Row expected = {5,  7,  9,  10, 11, 12, 13, 14, 15, 16,
                          17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
    EXPECT_EQ(row, expected);  // left in the order drawn
}

TEST(DrawNumbers, RowsAreNotSorted) {
    auto values = valuesFor({70, 1, 35});
    for (int n = 2; n < 19; ++n) {
        values.push_back(valueFor(n));
    }
    ScriptedRandom random(values);
    Row row{};
    drawNumbers(row, random);
    EXPECT_EQ(row[0], 70);
    EXPECT_EQ(row[1], 1);
    EXPECT_EQ(row[2], 35);
}

TEST(IsDrawnAlready, ComparesEverySlotButTheCandidatesOwn) {
    Row row{};
    row[0] = 12;
    row[1] = 40;
    row[2] = 12;
    EXPECT_TRUE(isDrawnAlready(row, 12, 0));   // slot 2 holds it too
    EXPECT_TRUE(isDrawnAlready(row, 12, 2));   // and slot 0
    EXPECT_FALSE(isDrawnAlready(row, 40, 1));  // only its own slot
    EXPECT_TRUE(isDrawnAlready(row, 40, 5));
    EXPECT_FALSE(isDrawnAlready(row, 41, 3));
    EXPECT_TRUE(isDrawnAlready(row, 0, 19));  // the slots not yet filled hold 0
}

TEST(IsDrawnAlready, AgreesWithTheSetUsedByTheDraw) {
    // Redo the draw slot by slot with the literal scan and compare with the fast draw.
    ScriptedClock clock;
    RandomNumbers fast(clock, 7);
    RandomNumbers literal(clock, 7);
    Row fastRow{};
    for (int n = 0; n < 2000; ++n) {
        drawNumbers(fastRow, fast);
        literal.reseed();
        Row row{};
        for (std::int16_t i = 0; i < 20; ++i) {
            do {
                row[static_cast<std::size_t>(i)] =
                    static_cast<std::int16_t>(std::floor(literal.next() * 70) + 1);
            } while (isDrawnAlready(row, row[static_cast<std::size_t>(i)], i));
        }
        ASSERT_EQ(row, fastRow) << "row " << n;
    }
}

TEST(RandomNumbers, RowsDrawnWhileTheClockStandsStillDiffer) {
    ScriptedClock clock;
    RandomNumbers random(clock, 1);
    std::set<Row> rows;
    Row row{};
    for (int n = 0; n < 100000; ++n) {
        drawNumbers(row, random);
        rows.insert(row);
    }
    EXPECT_EQ(rows.size(), 100000u);
}

TEST(RandomNumbers, ASeedAndAClockRepeatTheirSequence) {
    ScriptedClock clockA;
    ScriptedClock clockB;
    RandomNumbers a(clockA, 99);
    RandomNumbers b(clockB, 99);
    for (int n = 0; n < 100; ++n) {
        a.reseed();
        b.reseed();
        ASSERT_EQ(a.next(), b.next());
    }
    clockB.advance(4'000'000);  // one tick later the reseed takes the new reading
    a.reseed();
    b.reseed();
    EXPECT_NE(a.next(), b.next());
}

TEST(RandomNumbers, ValuesLieInTheHalfOpenUnitInterval) {
    ScriptedClock clock;
    RandomNumbers random(clock, freshSeed(clock));
    for (int n = 0; n < 100000; ++n) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

// Without an entropy source the program still starts, and two runs still differ.
TEST(RandomNumbers, AFreshSeedDoesWithoutTheEntropySource) {
    const auto none = []() -> std::uint64_t {
        throw std::system_error(std::make_error_code(std::errc::no_such_device));
    };
    ScriptedClock clock;
    const std::uint64_t first = freshSeed(clock, none);
    std::this_thread::sleep_for(std::chrono::microseconds(10));
    EXPECT_NE(freshSeed(clock, none), first);
}

}  // namespace
}  // namespace zarno

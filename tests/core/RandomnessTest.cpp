// Evidence that the rows the engine draws are uniform and independent, over ten million rows,
// each test at the 99 % level. Built with a fixed seed and a clock that stands still, the tests are
// deterministic: a failure is a fault, not chance. Built as zarno-randomness-real-clock, the same
// tests run on the system clock and a fresh seed (there each test may fail by chance one time in a
// hundred).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/special_functions/binomial.hpp>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "core/engine/RowEngine.h"
#include "doubles/Clocks.h"

namespace zarno {
namespace {

constexpr int sampleRows = 10'000'000;
constexpr int numbers = 70;
constexpr int pairCount = numbers * (numbers - 1) / 2;

// The statistic must stay below the chi-square law's 99 % quantile; both are printed as
// evidence.
void expectBelowQuantile99(const char* what, double statistic, double degreesOfFreedom) {
    const double bound = boost::math::quantile(boost::math::chi_squared(degreesOfFreedom), 0.99);
    std::printf("%s: chi-square %.1f, 99 %% bound %.1f (%g degrees of freedom)\n", what, statistic,
                bound, degreesOfFreedom);
    EXPECT_LT(statistic, bound) << what;
}

// The counts every test looks at, gathered in one pass over the rows.
struct Sample {
    std::array<std::array<double, numbers + 1>, rowSize> byPosition{};
    std::array<double, numbers + 1> byNumber{};
    std::vector<std::uint32_t> pairs = std::vector<std::uint32_t>((numbers + 1) * (numbers + 1));
    std::array<double, rowSize + 1> sharedWithPrevious{};
    std::size_t distinctRows = 0;
    bool clockStoodStill = false;
};

NumberSet setOf(const Row& row) {
    NumberSet set;
    for (const auto n : row) {
        set.insert(n);
    }
    return set;
}

std::unique_ptr<Sample> drawSample() {
    auto sample = std::make_unique<Sample>();
#ifdef ZARNO_REAL_CLOCK
    SystemClock clock;
    RowEngine engine(clock, freshSeed(clock));
#else
    test::ScriptedClock clock;
    RowEngine engine(clock, 20261208);
    sample->clockStoodStill = true;
#endif
    engine.beginSeries(Play{});
    std::vector<NumberSet> rows;
    rows.reserve(sampleRows);
    Row row{};
    NumberSet previous;
    for (int n = 0; n < sampleRows; ++n) {
        while (engine.ready(1).empty()) {
            std::this_thread::yield();
        }
        engine.commit(1);
        row = engine.lastRow();
        for (std::size_t i = 0; i < row.size(); ++i) {
            const auto a = static_cast<std::size_t>(row[i]);
            ++sample->byPosition[i][a];
            ++sample->byNumber[a];
            for (std::size_t j = i + 1; j < row.size(); ++j) {
                const auto b = static_cast<std::size_t>(row[j]);
                ++sample->pairs[std::min(a, b) * (numbers + 1) + std::max(a, b)];
            }
        }
        const NumberSet set = setOf(row);
        if (n > 0) {
            ++sample->sharedWithPrevious[static_cast<std::size_t>(set.sharedWith(previous))];
        }
        previous = set;
        rows.push_back(set);
    }
    std::sort(rows.begin(), rows.end());
    sample->distinctRows =
        static_cast<std::size_t>(std::unique(rows.begin(), rows.end()) - rows.begin());
    return sample;
}

class Randomness : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sample = drawSample().release(); }
    static void TearDownTestSuite() {
        delete sample;
        sample = nullptr;
    }
    static const Sample* sample;
};

const Sample* Randomness::sample = nullptr;

TEST_F(Randomness, EveryNumberIsDrawnEquallyOften) {
    const double expected = sampleRows * double{rowSize} / numbers;
    double statistic = 0;
    for (int n = 1; n <= numbers; ++n) {
        const double d = sample->byNumber[static_cast<std::size_t>(n)] - expected;
        statistic += d * d / expected;
    }
    EXPECT_EQ(sample->byNumber[0], 0);
    expectBelowQuantile99("numbers", statistic, numbers - 1);
}

// Slot i of a row is as uniform as the row: the redraw of repeats favours no number anywhere.
TEST_F(Randomness, EveryNumberIsEquallyLikelyInEveryPosition) {
    const double expected = double{sampleRows} / numbers;
    double statistic = 0;
    for (const auto& position : sample->byPosition) {
        for (int n = 1; n <= numbers; ++n) {
            const double d = position[static_cast<std::size_t>(n)] - expected;
            statistic += d * d / expected;
        }
    }
    expectBelowQuantile99("numbers by position", statistic, rowSize * (numbers - 1));
}

// Each of the 2415 pairs should share a row equally often. Pairs with a number in common have
// correlated counts, so the statistic is not exactly chi-square: its mean lies a little below
// 2414 and its spread above. Measured over 64 seeds for this generator, the Mersenne Twister and
// plain pcg32 alike (sd about 150 around 2220), the chi-square bound stays near the 99 % point.
TEST_F(Randomness, EveryPairOfNumbersSharesARowEquallyOften) {
    const double expected = sampleRows * double{rowSize * (rowSize - 1) / 2} / pairCount;
    double statistic = 0;
    for (std::size_t a = 1; a <= numbers; ++a) {
        for (std::size_t b = a + 1; b <= numbers; ++b) {
            const double d = sample->pairs[a * (numbers + 1) + b] - expected;
            statistic += d * d / expected;
        }
    }
    expectBelowQuantile99("pairs", statistic, pairCount - 1);
}

// Consecutive rows are independent draws: the numbers a row shares with the one before follow
// the hypergeometric law. Bins with too few expected rows are pooled into their neighbour.
TEST_F(Randomness, ConsecutiveRowsShareNumbersAsIndependentRowsDo) {
    using boost::math::binomial_coefficient;
    const double all = binomial_coefficient<double>(numbers, rowSize);
    const double pairsOfRows = sampleRows - 1;
    std::vector<double> expected, observed;
    for (unsigned k = 0; k <= rowSize; ++k) {
        const double chance = binomial_coefficient<double>(rowSize, k) *
                              binomial_coefficient<double>(numbers - rowSize, rowSize - k) / all;
        expected.push_back(chance * pairsOfRows);
        observed.push_back(sample->sharedWithPrevious[k]);
    }
    while (expected.size() > 2 && expected.back() < 5) {
        expected[expected.size() - 2] += expected.back();
        observed[observed.size() - 2] += observed.back();
        expected.pop_back();
        observed.pop_back();
    }
    while (expected.size() > 2 && expected.front() < 5) {
        expected[1] += expected.front();
        observed[1] += observed.front();
        expected.erase(expected.begin());
        observed.erase(observed.begin());
    }
    double statistic = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double d = observed[i] - expected[i];
        statistic += d * d / expected[i];
    }
    expectBelowQuantile99("shared with the previous row", statistic,
                          static_cast<double>(expected.size() - 1));
}

// With the clock standing still for all ten million rows, no two rows hold the same numbers.
TEST_F(Randomness, RowsDrawnWithinOneClockTickAllDiffer) {
    if (!sample->clockStoodStill) {
        GTEST_SKIP() << "the real clock moves";
    }
    EXPECT_EQ(sample->distinctRows, static_cast<std::size_t>(sampleRows));
}

}  // namespace
}  // namespace zarno

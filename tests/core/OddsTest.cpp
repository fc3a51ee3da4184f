// The odds behind the prize table, against an independent computation and the published returns.
#include "core/Odds.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/hypergeometric.hpp>
#include <cmath>

#include "core/Levels.h"

namespace zarno {
namespace {

TEST(Odds, HitChancesAreTheHypergeometricLawAndSumToOne) {
    for (int level = minLevel; level <= maxLevel; ++level) {
        SCOPED_TRACE(level);
        // Every row of C(70, L) holds some hit count: Vandermonde's identity, in exact integers.
        std::uint64_t rows = 0;
        const boost::math::hypergeometric_distribution<double> law(20, static_cast<unsigned>(level),
                                                                   70);
        for (int k = 0; k <= level; ++k) {
            rows += odds::favourable(level, k);
            EXPECT_NEAR(odds::hitChance(level, k), boost::math::pdf(law, k),
                        1e-12 * boost::math::pdf(law, k))
                << k << " hits";
        }
        EXPECT_EQ(rows, odds::possible(level));
    }
}

TEST(Odds, ExpectedReturnsAreThoseOfThePrizeTable) {
    // The returns in percent, to two decimals, as published for this prize table.
    const double returns[] = {55.07, 54.84, 54.73, 55.17, 54.86, 55.45, 54.73, 54.50, 55.21};
    for (int level = minLevel; level <= maxLevel; ++level) {
        SCOPED_TRACE(level);
        const double expected = odds::expectedPrize(level);
        EXPECT_NEAR(100 * expected, returns[level - minLevel], 0.005);
        EXPECT_GT(expected, 0.54);
        EXPECT_LT(expected, 0.56);
    }
    // Level 2 by hand: only two hits pay, 7 euros, with chance C(20,2) / C(70,2) = 190 / 2415;
    // the prize's variance is then 49 p - (7 p)^2.
    const double p = 190.0 / 2415.0;
    EXPECT_DOUBLE_EQ(odds::expectedPrize(2), 7 * p);
    EXPECT_DOUBLE_EQ(odds::prizeDeviation(2), std::sqrt(49 * p - 49 * p * p));
}

}  // namespace
}  // namespace zarno

#include <gtest/gtest.h>

#include <array>
#include <boost/math/distributions/chi_squared.hpp>

#include "DrawGenerator.h"
#include "ScriptedRandom.h"

namespace zarno {
namespace {

using test::ScriptedClock;

double chiSquareQuantile99(double degreesOfFreedom) {
    return boost::math::quantile(boost::math::chi_squared(degreesOfFreedom), 0.99);
}

// Each number is drawn in 20 of 70 rows on average. With a fixed seed and a clock that stands
// still the test is deterministic: a failure is a fault, not chance.
TEST(Randomness, EveryNumberIsDrawnEquallyOften) {
    ScriptedClock clock;
    RandomNumbers random(clock, 20261208);
    SimulationState::Row row{};
    std::array<double, 71> seen{};
    constexpr int rows = 1'000'000;
    for (int n = 0; n < rows; ++n) {
        drawNumbers(row, random);
        for (const auto number : row) {
            ++seen[static_cast<std::size_t>(number)];
        }
    }
    const double expected = rows * 20.0 / 70.0;
    double statistic = 0;
    for (int number = 1; number <= 70; ++number) {
        const double d = seen[static_cast<std::size_t>(number)] - expected;
        statistic += d * d / expected;
    }
    EXPECT_EQ(seen[0], 0);
    EXPECT_LT(statistic, chiSquareQuantile99(69));
}

}  // namespace
}  // namespace zarno

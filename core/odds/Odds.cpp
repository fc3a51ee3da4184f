#include "core/odds/Odds.h"

#include <cmath>

#include "core/engine/PrizeTable.h"

namespace zarno::odds {

double hitChance(int level, int hits) {
    return static_cast<double>(favourable(level, hits)) / static_cast<double>(possible(level));
}

double expectedPrize(int level) {
    double expected = 0;
    for (int k = 0; k <= level; ++k) {
        expected += hitChance(level, k) * static_cast<double>(prize(level, k));
    }
    return expected;
}

double expectedNet(int level, std::int64_t rows) {
    return static_cast<double>(rows) * (expectedPrize(level) - 1);
}

double prizeDeviation(int level) {
    const double mean = expectedPrize(level);
    double variance = 0;
    for (int k = 0; k <= level; ++k) {
        const double d = static_cast<double>(prize(level, k)) - mean;
        variance += hitChance(level, k) * d * d;
    }
    return std::sqrt(variance);
}

double payoutDeviation(int level, std::int64_t rows) {
    return 100 * prizeDeviation(level) / std::sqrt(static_cast<double>(rows));
}

std::int64_t rowsToSettle(int level, double points) {
    return static_cast<std::int64_t>(
        std::ceil(std::pow(2 * 100 * prizeDeviation(level) / points, 2)));
}

double hitDeviation(int level, int hits, std::int64_t count, std::int64_t rows) {
    const double n = static_cast<double>(rows);
    const double p = hitChance(level, hits);
    return (static_cast<double>(count) - n * p) / std::sqrt(n * p * (1 - p));
}

}  // namespace zarno::odds

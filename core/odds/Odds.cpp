#include "core/odds/Odds.h"

#include <array>
#include <cmath>

#include "core/engine/PrizeTable.h"

namespace zarno::odds {

namespace {

constexpr double quotient(int level, int hits) {
    return static_cast<double>(favourable(level, hits)) / static_cast<double>(possible(level));
}

// Worked out once: the payout's band asks for every chance at each of its points.
constexpr auto chances = [] {
    std::array<std::array<double, maxLevel + 1>, maxLevel + 1> table{};
    for (int level = 0; level <= maxLevel; ++level) {
        for (int hits = 0; hits <= maxLevel; ++hits) {
            table[static_cast<std::size_t>(level)][static_cast<std::size_t>(hits)] =
                quotient(level, hits);
        }
    }
    return table;
}();

}  // namespace

double hitChance(int level, int hits) {
    if (level < 0 || level > maxLevel || hits < 0 || hits > maxLevel) {
        return quotient(level, hits);
    }
    return chances[static_cast<std::size_t>(level)][static_cast<std::size_t>(hits)];
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

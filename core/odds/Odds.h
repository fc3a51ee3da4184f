#pragma once

#include <cstdint>

namespace zarno::odds {

// C(n, k), exactly: every coefficient of this lottery, C(70, 10) the largest, fits in 64 bits.
constexpr std::uint64_t binomial(unsigned n, unsigned k) {
    if (k > n) {
        return 0;
    }
    std::uint64_t result = 1;
    for (unsigned i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;  // a binomial coefficient at every step, so exact
    }
    return result;
}

// The rows, out of every row of 20 numbers from 70, that hold exactly `hits` of a player's
// `level` distinct numbers: C(20, hits) x C(50, level - hits), out of C(70, level) per row
// counted the other way round. Their quotient is the hypergeometric chance of that hit count.
constexpr std::uint64_t favourable(int level, int hits) {
    const auto l = static_cast<unsigned>(level);
    const auto k = static_cast<unsigned>(hits);
    return binomial(20, k) * (k <= l ? binomial(50, l - k) : 0);
}
constexpr std::uint64_t possible(int level) {
    return binomial(70, static_cast<unsigned>(level));
}

// P(L, k): the chance that a row holds exactly k of the player's L numbers.
double hitChance(int level, int hits);
// E(L): the expected prize of a row, in euros; a row costs one, so it is also the expected
// payout as a fraction.
double expectedPrize(int level);
// The expected net result of `rows` rows, winnings minus stake: rows (E(L) - 1) euros.
double expectedNet(int level, std::int64_t rows);
// s(L): the standard deviation of one row's prize. After n rows the payout's standard deviation
// is s(L) / sqrt(n).
double prizeDeviation(int level);
// That standard deviation of the payout after `rows` rows, in percentage points: 100 s(L) /
// sqrt(rows). Needs rows > 0.
double payoutDeviation(int level, std::int64_t rows);
// The rows after which two standard deviations of the payout are `points` percentage points: the
// rows it takes the payout to settle that near its expectation.
std::int64_t rowsToSettle(int level, double points = 0.5);
// How many standard deviations `count` rows of k hits among `rows` stray from what the odds
// expect: (count - n p) / sqrt(n p (1 - p)). Needs rows > 0.
double hitDeviation(int level, int hits, std::int64_t count, std::int64_t rows);

}  // namespace zarno::odds

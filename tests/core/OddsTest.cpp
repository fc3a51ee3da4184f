// The odds behind the prize table, against an independent computation and the published returns.
#include "core/odds/Odds.h"

#include <gtest/gtest.h>

#include <map>

#include <algorithm>
#include <array>
#include <boost/math/distributions/hypergeometric.hpp>
#include <cmath>
#include <optional>
#include <random>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "core/engine/Lottery.h"
#include "core/engine/PrizeTable.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/ExactLaws.h"
#include "core/odds/LawCache.h"
#include "core/odds/LessonOdds.h"
#include "core/odds/Percentile.h"
#include "core/odds/SessionOdds.h"
#include "core/text/ResultsText.h"

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

// Every sequence of hit counts a session of up to three rows can have, with its chance: the law
// of its total prize without any dynamic programme.
TEST(Odds, SessionLawsAreThoseOfEveryPossibleSession) {
    for (const int level : {2, 5, 10}) {
        for (const int rows : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << rows << " rows");
            std::vector<double> byWinnings(static_cast<std::size_t>(rows) + 1);
            double ahead = 0;
            std::map<std::int64_t, double> everyWinnings;
            std::array<double, 4> gone{};  // by budget
            std::vector<int> hits(static_cast<std::size_t>(rows), 0);
            for (bool more = true; more;) {
                double chance = 1;
                std::int64_t won = 0;
                for (const int k : hits) {
                    chance *= odds::hitChance(level, k);
                    won += prize(level, k);
                }
                (won > rows ? ahead : byWinnings[static_cast<std::size_t>(won)]) += chance;
                everyWinnings[won] += chance;
                // Budgets of 1 to 3 euros played through the same rows: gone within them when
                // the balance falls below a euro after some row.
                for (std::int64_t budget = 1; budget <= 3; ++budget) {
                    std::int64_t balance = budget;
                    for (const int k : hits) {
                        if (balance >= 1) {
                            balance += prize(level, k) - 1;
                        }
                    }
                    gone[static_cast<std::size_t>(budget)] += balance < 1 ? chance : 0;
                }
                more = false;  // the next sequence, as an odometer counts
                for (int& k : hits) {
                    if (++k <= level) {
                        more = true;
                        break;
                    }
                    k = 0;
                }
            }
            const odds::SessionLaw law = odds::sessionLaw(level, rows);
            EXPECT_NEAR(law.ahead, ahead, 1e-15);
            double below = 0;
            std::int64_t median = 1;
            for (std::size_t w = 0; w < byWinnings.size(); ++w) {
                EXPECT_NEAR(law.byWinnings[w], byWinnings[w], 1e-15) << w << " euros";
                below += byWinnings[w];
                if (below >= 0.5 && median > 0) {
                    median = static_cast<std::int64_t>(w) - rows;
                }
            }
            EXPECT_EQ(law.medianNet(), median);
            // The crowd's shares, ahead or not: the smallest net whose cumulative chance reaches
            // each.
            for (int budget = 1; budget <= 3; ++budget) {
                EXPECT_NEAR(odds::budgetLaw(level, budget).brokeChance(rows).value(),
                            gone[static_cast<std::size_t>(budget)], 1e-15)
                    << budget << " euros";
            }
            const int grid[] = {rows};
            const std::vector<odds::CrowdPoint> crowd = odds::crowdLaw(level, grid);
            ASSERT_EQ(crowd.size(), 1u);
            for (std::size_t i = 0; i < odds::crowdPercents.size(); ++i) {
                double cumulative = 0;
                for (const auto& [won, chance] : everyWinnings) {
                    if (100 * (cumulative += chance) >= odds::crowdPercents[i] - 1e-9) {
                        EXPECT_EQ(crowd[0].net[i], won - rows) << odds::crowdPercents[i] << " %";
                        break;
                    }
                }
            }
        }
    }
    // The figures the chart quotes.
    const odds::SessionLaw year = odds::sessionLaw(10, 52);
    EXPECT_NEAR(100 * year.ahead, 2.646, 0.0005);
    EXPECT_EQ(year.medianNet(), -41);
    EXPECT_NEAR(100 * odds::sessionLaw(2, 5200).ahead, 6.218e-53, 0.0005e-53);
}

// The funnel is the expected payout plus and minus multiples of the spread that the winnings
// label's tooltip gives for the same rows.
TEST(Odds, ThePayoutBandIsTheTooltipsSpreadAroundTheExpectation) {
    for (const auto& [level, rows] :
         {std::pair{2, std::int64_t{1000}}, std::pair{6, std::int64_t{124'000}},
          std::pair{10, std::int64_t{4'000'000'000}}}) {
        std::string tip;
        writeWinningsTip(tip, level, rows, Wording('.'));
        const std::size_t sign = tip.find("±");
        const double spread = std::stod(tip.substr(sign + std::string("±").size()));
        const odds::Band two = odds::payoutBand(level, rows, 2);
        const odds::Band three = odds::payoutBand(level, rows, 3);
        EXPECT_NEAR((two.high - two.low) / 4, spread, 0.005 + 0.005 * spread) << tip;
        EXPECT_NEAR((three.high + three.low) / 2, 100 * odds::expectedPrize(level), 1e-9);
        EXPECT_NEAR(three.high - two.high, (two.high - two.low) / 4, 1e-9);
    }
}

// A million players of 52 rows at level 5, and a million budgets of 10 euros played until gone
// or doubled, drawn directly from the hit chances: the exact figures lie within four standard
// errors of what they do.
TEST(Odds, TheExactFiguresAreThoseOfAMillionPlayers) {
    constexpr int level = 5;
    constexpr int players = 1'000'000;
    std::mt19937_64 random(2026);
    std::vector<double> chances;
    for (int k = 0; k <= level; ++k) {
        chances.push_back(odds::hitChance(level, k));
    }
    std::discrete_distribution<int> hits(chances.begin(), chances.end());
    const auto withinErrors = [](double share, double p) {
        return std::abs(share - p) <= 4 * std::sqrt(p * (1 - p) / players) + 1e-12;
    };

    std::vector<std::int64_t> nets;
    nets.reserve(players);
    for (int i = 0; i < players; ++i) {
        std::int64_t won = 0;
        for (int row = 0; row < 52; ++row) {
            won += prize(level, hits(random));
        }
        nets.push_back(won - 52);
    }
    const odds::SessionLaws laws = odds::sessionLaws(level);
    const odds::CrowdPoint& year = laws.crowd[10];
    ASSERT_EQ(year.rows, 52);
    for (std::size_t i = 0; i < odds::crowdPercents.size(); ++i) {
        // The share's net is the first whose cumulative chance reaches it: the players at or
        // below it reach the share, those below it fall short.
        const double p = odds::crowdPercents[i] / 100.0;
        const auto atOrBelow = std::count_if(nets.begin(), nets.end(),
                                             [&](std::int64_t n) { return n <= year.net[i]; });
        const auto below = std::count_if(nets.begin(), nets.end(),
                                         [&](std::int64_t n) { return n < year.net[i]; });
        EXPECT_TRUE(static_cast<double>(atOrBelow) / players >=
                    p - 4 * std::sqrt(p * (1 - p) / players))
            << odds::crowdPercents[i] << " %";
        EXPECT_TRUE(static_cast<double>(below) / players <=
                    p + 4 * std::sqrt(p * (1 - p) / players))
            << odds::crowdPercents[i] << " %";
    }

    // Each budget is played until it is gone, or until it has doubled and is past 52 rows.
    constexpr std::int64_t budget = 10;
    int goneIn52 = 0;
    int doubled = 0;
    for (int i = 0; i < players; ++i) {
        std::int64_t balance = budget;
        bool reached = false;
        for (int row = 1; balance >= 1 && (row <= 52 || !reached); ++row) {
            balance += prize(level, hits(random)) - 1;
            reached = reached || balance >= 2 * budget;
            goneIn52 += balance < 1 && row <= 52 ? 1 : 0;
        }
        doubled += reached ? 1 : 0;
    }
    const odds::BudgetLaw law = odds::budgetLaw(level, budget);
    EXPECT_TRUE(withinErrors(static_cast<double>(doubled) / players, law.doubles));
    EXPECT_TRUE(withinErrors(static_cast<double>(goneIn52) / players, law.brokeChance(52).value()));
}

// Far from doubling, the chance to double falls by the same factor with each euro more of
// budget: e^-θ, θ > 0 where a row's change X of the balance has E[e^θX] = 1 (Cramér and
// Lundberg). It holds at chances of 1e-30 and less, which no difference of chances near 1 keeps.
TEST(Odds, TheChanceToDoubleKeepsItsDigitsFarBelowRounding) {
    for (const int level : {2, 3, 4}) {
        SCOPED_TRACE(level);
        const auto prizes = odds::rowPrizes(level);
        const auto excess = [&prizes](double theta) {
            double mean = 0;
            for (const auto& [prize, p] : prizes) {
                mean += p * std::exp(theta * static_cast<double>(prize - 1));
            }
            return mean - 1;
        };
        double low = 1e-3;  // below θ the mean is under 1, above it over
        double high = 5;
        for (int i = 0; i < 200; ++i) {
            const double middle = (low + high) / 2;
            (excess(middle) < 0 ? low : high) = middle;
        }
        const double at1000 = odds::budgetLaw(level, 1000).doubles;
        const double at1001 = odds::budgetLaw(level, 1001).doubles;
        EXPECT_LT(at1000, 1e-30);
        EXPECT_NEAR(at1001 / at1000, std::exp(-low), 1e-9);
    }
}

// The observed players and the exact law take their medians by one rule: the smallest value
// whose cumulative weight reaches half the total.
TEST(Odds, TheMedianIsTheSmallestValueReachingHalf) {
    const struct {
        std::vector<double> weights;
        double total;
        std::optional<std::size_t> median;
    } cases[] = {
        {{0.5, 0.5}, 1, 0},  {{0.25, 0.25, 0.5}, 1, 1}, {{0.2, 0.2, 0.6}, 1, 2}, {{0, 0, 1}, 1, 2},
        {{0.3, 0.1}, 1, {}}, {{3, 1, 4}, 8, 1},         {{3, 1, 4}, 9, 2},       {{}, 0, {}},
        {{0, 0}, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(odds::medianIndex(c.weights, c.total), c.median);
        // Whole counts of players give the same answer.
        std::vector<std::int64_t> counts(c.weights.begin(), c.weights.end());
        if (c.total >= 2) {
            EXPECT_EQ(odds::medianIndex(counts, static_cast<std::int64_t>(c.total)), c.median);
        }
    }
}

// The exact laws are worked out on a thread of their own. When it cannot start, or the work
// fails, they are unavailable for that request; nothing throws, and the next request tries again.
// Whenever a work ends, the asker hears of it from the working thread.
TEST(ExactLaws, AFailedThreadOrWorkIsTriedAgain) {
    int starts = 0;
    const StartThread failingFirst = [&starts](std::function<void()> work) {
        if (starts++ == 0) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::thread(std::move(work));
    };
    int works = 0;
    const odds::ExactLaws::SessionWork failingWork = [&works](const int& level,
                                                              const std::atomic<bool>*) {
        if (works++ == 0) {
            throw std::runtime_error("out of memory, say");
        }
        odds::SessionLaws laws;
        laws[0] = odds::sessionLaw(level, 1);
        return laws;
    };
    const odds::ExactLaws::SessionWork oneRow = [](const int& level, const std::atomic<bool>*) {
        odds::SessionLaws laws;
        laws[0] = odds::sessionLaw(level, 1);
        return laws;
    };
    for (const bool threadFails : {true, false}) {
        SCOPED_TRACE(threadFails ? "the thread fails to start" : "the work fails");
        starts = works = 0;
        std::atomic<int> ready{0};
        odds::ExactLaws laws(
            threadFails ? failingFirst : StartThread{}, [&ready] { ++ready; },
            threadFails ? oneRow : failingWork);
        odds::ExactLaws::SessionAnswer answer = laws.sessions(2);
        while (!answer.settled()) {
            std::this_thread::yield();
            answer = laws.sessions(2);
        }
        EXPECT_TRUE(answer.unavailable);
        EXPECT_EQ(ready, threadFails ? 0 : 1);  // a thread that never started says nothing
        do {
            answer = laws.sessions(2);
        } while (!answer.settled());
        ASSERT_TRUE(answer.laws);
        EXPECT_EQ(ready, threadFails ? 1 : 2);
        EXPECT_NEAR((*answer.laws)[0].byWinnings[0] + (*answer.laws)[0].ahead, 1.0, 1e-12);
        EXPECT_EQ(laws.sessions(2).laws, answer.laws);  // worked out once
        EXPECT_EQ(laws.sessionsNow(2), answer.laws);
        EXPECT_FALSE(laws.sessions(0).settled() || laws.budget({0, 100}).settled());  // no level
    }
}

// A cache that supersedes gives up the work on a key no longer asked for and starts the new
// one; one that takes turns lets the work finish first. Each work that ends is told, the one
// given up too.
TEST(LawCache, ANewKeySupersedesTheWorkUnderWayOrWaitsItsTurn) {
    using Cache = odds::LawCache<int, int>;
    for (const auto asked : {Cache::Asked::supersedes, Cache::Asked::inTurn}) {
        const bool supersedes = asked == Cache::Asked::supersedes;
        SCOPED_TRACE(supersedes ? "supersedes" : "in turn");
        std::atomic<bool> release{false};
        std::atomic<int> cancelled{0};
        std::atomic<int> ready{0};
        Cache cache(
            {},
            [&](const int& key, const std::atomic<bool>* cancel) {
                while (!release) {  // every work lasts until released
                    if (cancel->load()) {
                        ++cancelled;
                        return -1;
                    }
                    std::this_thread::yield();
                }
                return 10 * key;
            },
            asked, [&ready] { ++ready; });
        EXPECT_FALSE(cache.laws(1).laws);
        EXPECT_FALSE(cache.laws(2).laws);
        EXPECT_EQ(cancelled, supersedes ? 1 : 0);
        EXPECT_EQ(ready, supersedes ? 1 : 0);
        release = true;
        for (const int key : {2, 1}) {
            Cache::Answer answer;
            while (!(answer = cache.laws(key)).laws) {
                ASSERT_FALSE(answer.unavailable);
                std::this_thread::yield();
            }
            EXPECT_EQ(*answer.laws, 10 * key);  // a cancelled work's result is never kept
        }
        EXPECT_EQ(ready, supersedes ? 3 : 2);
    }
}

}  // namespace
}  // namespace zarno

namespace zarno {
namespace {

// The lesson's law, summed by transforms a year at a time, against the laws of sessions, summed a
// row at a time: wherever a player's rows are a session's length or a row of the crowd's grid, the
// same chance to end ahead, median and crowd.
TEST(LessonOdds, AgreeWithTheLawsOfSessions) {
    for (const int level : {2, 7, 10}) {
        const odds::SessionLaws sessions = odds::sessionLaws(level);
        const struct {
            int rowsPerWeek, years;
            std::size_t session;
        } cases[] = {{1, 1, 2}, {1, 10, 3}, {10, 10, 4}};
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", " << c.rowsPerWeek
                                            << " a week for " << c.years << " years");
            const odds::LessonLaw law = odds::lessonLaw(level, c.rowsPerWeek, c.years);
            ASSERT_TRUE(law.complete);
            EXPECT_NEAR(law.ahead, sessions[c.session].ahead, 1e-10);  // the transforms' rounding
            EXPECT_EQ(law.medianNet, sessions[c.session].medianNet());
            ASSERT_EQ(law.crowd.size(), static_cast<std::size_t>(c.years));
            for (const odds::CrowdPoint& point : law.crowd) {
                for (const odds::CrowdPoint& exact : sessions.crowd) {
                    if (exact.rows == point.rows) {
                        EXPECT_EQ(point.net, exact.net) << point.rows;
                    }
                }
            }
        }
    }
}

// What one row wins: at level 10 about 13 % win something, but only about 2.7 % more than the
// euro they cost; the rest of those give the stake back.
TEST(LessonOdds, ARowWinsItsStakeBackOrMore) {
    for (int level = minLevel; level <= maxLevel; ++level) {
        const odds::RowShares shares = odds::rowShares(level);
        EXPECT_NEAR(shares.wins, shares.stakeBack + shares.more, 1e-15) << level;
    }
    EXPECT_NEAR(odds::rowShares(10).wins, 0.13, 0.01);
    EXPECT_NEAR(odds::rowShares(10).more, 0.027, 0.001);
}

}  // namespace
}  // namespace zarno

#include "core/series/SeriesRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/engine/PrizeTable.h"
#include "core/odds/Percentile.h"

namespace zarno {
namespace {

constexpr int pointsPerDecade = 200;
// Sessions completed between two refreshes are kept until the refresh. In either mode of the
// window that is at most a thousand rows' worth; should no refresh come, they are counted early.
constexpr std::size_t heldSessions = 4096;

// The row counts the payout path is taken at, up to the row limit.
const std::vector<std::int64_t>& pathRows() {
    static const std::vector<std::int64_t> rows = [] {
        std::vector<std::int64_t> all;
        for (std::int64_t decade = refreshStride; decade <= rowLimit + 1; decade *= 10) {
            for (int step = 0; step < pointsPerDecade; ++step) {
                const double at = static_cast<double>(decade) *
                                  std::pow(10.0, static_cast<double>(step) / pointsPerDecade);
                all.push_back(step == 0 ? decade : static_cast<std::int64_t>(std::ceil(at)));
            }
        }
        return all;
    }();
    return rows;
}

}  // namespace

std::optional<std::int64_t> SessionTally::medianNet() const {
    const std::optional<std::size_t> median = odds::medianIndex(byWinnings, completed);
    if (!median) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*median) - length;
}

std::optional<std::int64_t> CrowdTally::net(std::size_t point, int percent) const {
    std::int64_t below = 0;
    std::optional<std::int64_t> net;
    byWinnings[point].visit([&](std::int64_t won, std::int64_t players) {
        below += players;
        if (odds::reaches(below, completed, percent)) {
            net = won - odds::crowdGrid[point];
        }
        return !net;
    });
    return net;
}

std::optional<double> BudgetTally::goneWithin(std::int64_t rows) const {
    if (completed == 0) {
        return std::nullopt;
    }
    std::int64_t gone = 0;
    goneAfter.visit([&](std::int64_t after, std::int64_t players) {
        gone += after <= rows ? players : 0;
        return after < rows;
    });
    return shareOf(gone, completed);
}

std::optional<double> BudgetTally::doubledShare() const {
    if (completed == 0) {
        return std::nullopt;
    }
    return shareOf(doubled, completed);
}

// Every row is one, and its prize tells where it falls.
void countSessionsOfOneRow(int level, const HitCounts& hits, SessionTally& single) {
    static_assert(sessionLengths[0] == 1);
    single.length = sessionLengths[0];
    single.completed = 0;
    single.ahead = 0;
    single.byWinnings.assign(2, 0);
    for (int k = 0; isLevel(level) && k <= level; ++k) {
        const std::int64_t won = prize(level, k);
        const std::int64_t rows = hits[static_cast<std::size_t>(k)];
        single.completed += rows;
        if (won > single.length) {
            single.ahead += rows;
        } else {
            single.byWinnings[static_cast<std::size_t>(won)] += rows;
        }
    }
}

std::int64_t SeriesRecord::pathRowAfter(std::int64_t rows) {
    const auto& at = pathRows();
    const auto next = std::upper_bound(at.begin(), at.end(), rows);
    return next != at.end() ? *next : std::numeric_limits<std::int64_t>::max();
}

SeriesRecord::SeriesRecord() {
    path_.reserve(pathRows().size());
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        tallies_[i].length = sessionLengths[i];
        tallies_[i].byWinnings.resize(static_cast<std::size_t>(sessionLengths[i]) + 1);
        cutters_[i].completed.reserve(heldSessions);
    }
    budgetCutter_.player.balance = budget_.budget;
}

// Only the sessions that end in the stretch cost anything: what a session won is read at its two
// ends, and the ten-row sessions of a whole thousand rows come counted. A session of one row is a
// row, counted from the hits at refresh.
void SeriesRecord::commit(const StretchPrizes& prizes) {
    static_assert(sessionLengths[1] == tenRows);
    const std::size_t rows = prizes.rows();
    const TensWon* const tens = prizes.tens();
    for (std::size_t i = 1; i < sessionLengths.size(); ++i) {
        Cutter& cutter = cutters_[i];
        if (i == 1 && tens && cutter.filled == 0) {
            for (std::size_t won = 0; won < tens->size(); ++won) {
                heldTens_[won] += (*tens)[won];
            }
            continue;
        }
        const auto length = static_cast<std::size_t>(sessionLengths[i]);
        std::uint32_t start = 0;  // what the stretch's rows before `at` won
        for (std::size_t at = 0; at < rows;) {
            // Whole sessions from a session's start on, as many as are held, in one plain loop.
            if (cutter.filled == 0 && at + length <= rows) {
                const std::size_t whole =
                    std::min((rows - at) / length, heldSessions - cutter.completed.size());
                for (std::size_t n = 0; n < whole; ++n) {
                    at += length;
                    const std::uint32_t end = prizes.before(at);
                    cutter.completed.push_back(end - start);
                    start = end;
                }
                if (whole > 0) {
                    continue;
                }
            }
            const std::size_t take =
                std::min(static_cast<std::size_t>(sessionLengths[i] - cutter.filled), rows - at);
            const std::uint32_t end = prizes.before(at + take);
            cutter.partial += end - start;
            start = end;
            cutter.filled += static_cast<int>(take);
            at += take;
            if (cutter.filled == sessionLengths[i]) {
                if (cutter.completed.size() == heldSessions) {
                    tallyCompleted(i);
                }
                cutter.completed.push_back(cutter.partial);
                cutter.partial = 0;
                cutter.filled = 0;
            }
        }
    }
    // The budget's player, until it is gone or has played its longest; it doubled once it had
    // twice the budget.
    const std::int64_t budget = budget_.budget;
    const std::int64_t longest = odds::longestPlay(budget);
    BudgetPlayer& player = budgetCutter_.player;
    std::uint32_t start = 0;
    for (std::size_t at = 0; at < rows;) {
        const StretchPrizes::Played played =
            prizes.play(at, start, player.balance,
                        std::min(rows - at, static_cast<std::size_t>(longest - player.played)),
                        player.doubled ? StretchPrizes::noGoal : 2 * budget);
        start += played.won;
        player.balance += played.won - static_cast<std::int64_t>(played.rows);
        player.played += static_cast<std::int64_t>(played.rows);
        player.doubled = player.doubled || played.reached;
        at += played.rows;
        if (player.balance < 1 || player.played == longest) {
            if (budgetCutter_.completed.size() == heldSessions) {
                tallyBudget();
            }
            budgetCutter_.completed.push_back(player);
            player = {budget, 0, false};
        }
    }
    committed_ += static_cast<std::int64_t>(rows);
    // The crowd's player stops at each row of the grid, a few times in 5 200 rows.
    CrowdCutter& crowd = crowdCutter_;
    start = 0;
    for (std::size_t at = 0; at < rows;) {
        const std::size_t take = std::min(
            static_cast<std::size_t>(odds::crowdGrid[crowd.next] - crowd.filled), rows - at);
        const std::uint32_t end = prizes.before(at + take);
        crowd.partial += end - start;
        start = end;
        crowd.filled += static_cast<int>(take);
        at += take;
        if (crowd.filled == odds::crowdGrid[crowd.next]) {
            crowd.path[crowd.next++] = crowd.partial;
            if (crowd.next == odds::crowdGrid.size()) {
                if (crowd.completed.size() == heldSessions) {
                    tallyCrowd();
                }
                crowd.completed.push_back(crowd.path);
                crowd.partial = 0;
                crowd.filled = 0;
                crowd.next = 0;
            }
        }
    }
}

void SeriesRecord::setBudget(int budget) {
    parts_.budget = true;  // a record saved before the budget has one from now on
    budget_ = BudgetTally{budget, committed_, 0, 0, {}};
    budgetCutter_ = BudgetCutter{{budget, 0, false}, {}};
}

void SeriesRecord::tallyBudget() {
    for (const BudgetPlayer& player : budgetCutter_.completed) {
        ++budget_.completed;
        budget_.doubled += player.doubled ? 1 : 0;
        if (player.balance < 1) {
            budget_.goneAfter.add(player.played);
        }
    }
    budgetCutter_.completed.clear();
}

void SeriesRecord::tallyCrowd() {
    for (const CrowdTally::Path& path : crowdCutter_.completed) {
        ++crowd_.completed;
        for (std::size_t i = 0; i < path.size(); ++i) {
            crowd_.byWinnings[i].add(path[i]);
        }
        if (crowd_.paths.size() < CrowdTally::pathsKept) {
            crowd_.paths.push_back(path);
        }
    }
    crowdCutter_.completed.clear();
}

void SeriesRecord::tallyCompleted(std::size_t which) {
    SessionTally& tally = tallies_[which];
    const std::vector<std::int64_t>& completed = cutters_[which].completed;
    // Counted in locals: the counts in memory would make each session wait for the one before.
    std::int64_t ahead = 0;
    std::int64_t* const byWinnings = tally.byWinnings.data();
    for (const std::int64_t won : completed) {
        if (won > tally.length) {
            ++ahead;
        } else {
            ++byWinnings[won];
        }
    }
    tally.completed += static_cast<std::int64_t>(completed.size());
    tally.ahead += ahead;
    cutters_[which].completed.clear();
    if (which == 1) {
        for (std::size_t won = 0; won < heldTens_.size(); ++won) {
            const std::int64_t sessions = std::exchange(heldTens_[won], 0);
            tally.completed += sessions;
            (won <= tenRows ? byWinnings[won] : tally.ahead) += sessions;
        }
    }
}

void SeriesRecord::refresh(int level, const Tally& tally) {
    level_ = level;
    rows_ = tally.rows;
    winnings_ = tally.winnings;
    hits_ = tally.hits;
    const auto& at = pathRows();
    if (nextPoint_ < at.size() && rows_ >= at[nextPoint_]) {
        path_.push_back({rows_, winnings_});
        while (nextPoint_ < at.size() && at[nextPoint_] <= rows_) {
            ++nextPoint_;
        }
    }
    countSessionsOfOneRow(level, hits_, tallies_[0]);
    jackpots_.insert(jackpots_.end(), heldJackpots_.begin(), heldJackpots_.end());
    heldJackpots_.clear();
    for (std::size_t i = 1; i < sessionLengths.size(); ++i) {
        tallyCompleted(i);
    }
    tallyCrowd();
    tallyBudget();
}

// The budget is the chart's setting, and outlives the series.
void SeriesRecord::clear() {
    const int budget = budget_.budget;
    *this = SeriesRecord();
    setBudget(budget);
}

SeriesRecord SeriesRecord::restored(int level, const Tally& tally, std::vector<PayoutPoint> path,
                                    std::array<SessionTally, sessionLengths.size()> sessions,
                                    CrowdTally crowd, BudgetTally budget,
                                    std::vector<JackpotRow> jackpots, RecordParts parts) {
    SeriesRecord record;
    record.setBudget(budget.budget);
    record.crowd_ = std::move(crowd);
    record.budget_ = std::move(budget);
    record.level_ = level;
    record.rows_ = tally.rows;
    record.committed_ = tally.rows;  // a budget set later starts after them
    record.winnings_ = tally.winnings;
    record.hits_ = tally.hits;
    record.path_ = std::move(path);
    record.nextPoint_ = pathRows().size();  // nothing more is taken
    record.tallies_ = std::move(sessions);
    record.jackpots_ = std::move(jackpots);
    record.parts_ = parts;
    return record;
}

}  // namespace zarno

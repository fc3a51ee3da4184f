#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "core/engine/BlockPrizes.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/SessionOdds.h"
#include "core/series/Tally.h"
#include "core/series/ValueCounts.h"

namespace zarno {

using odds::sessionLengths;

// The completed sessions of one length, each a player who paid `length` euros for `length`
// rows: how many there are, how many won more than they paid, and how many won each sum from 0
// to `length` euros.
struct SessionTally {
    int length = 0;
    std::int64_t completed = 0;
    std::int64_t ahead = 0;
    std::vector<std::int64_t> byWinnings;  // length + 1 counts; the sessions ahead are not in it

    // The median net result, winnings minus stake, by the same rule as the exact law's. None
    // without sessions, or when more than half are ahead.
    std::optional<std::int64_t> medianNet() const;

    bool operator==(const SessionTally&) const = default;
};

// The sessions of one row that the rows of each hit count make at a level, written over `single`
// in place: the window does it at every refresh.
void countSessionsOfOneRow(int level, const HitCounts& hits, SessionTally& single);
inline SessionTally sessionsOfOneRow(int level, const HitCounts& hits) {
    SessionTally single;
    countSessionsOfOneRow(level, hits, single);
    return single;
}

// The players of the crowd's longest session, 5 200 rows, cut from the series one after another
// as the sessions are, each followed at every row of the crowd's grid: how many had won each sum
// there, and the paths of the first of them.
struct CrowdTally {
    static constexpr std::size_t pathsKept = 20;
    using Path = std::array<std::int64_t, odds::crowdGrid.size()>;  // winnings at each grid row

    std::int64_t completed = 0;
    std::array<ValueCounts, odds::crowdGrid.size()> byWinnings;
    std::vector<Path> paths;

    // The net result that `percent` % of the players reach or stay under at the grid's row
    // `point`, by the exact law's rule; none without players.
    std::optional<std::int64_t> net(std::size_t point, int percent) const;

    bool operator==(const CrowdTally&) const = default;
};

// The players of a budget, cut from the series one after another: each starts with the budget at
// the row after the previous one stopped, plays a row at a time with winnings back into it, and
// stops when it is below one row's cost or after budgetRowsPerEuro times the budget in rows.
struct BudgetTally {
    int budget = odds::defaultBudget;
    std::int64_t fromRow = 0;  // the series' row its first player started after
    std::int64_t completed = 0;
    std::int64_t doubled = 0;  // reached twice the budget before stopping
    ValueCounts goneAfter;     // players gone after so many rows

    // The share of the players gone within `rows` rows; none without players.
    std::optional<double> goneWithin(std::int64_t rows) const;
    std::optional<double> doubledShare() const;

    bool operator==(const BudgetTally&) const = default;
};

// A row that hit all ten numbers at level 10: where it fell in the series, from 1, and its numbers
// in the order drawn.
struct JackpotRow {
    std::int64_t row = 0;
    Row drawn{};

    bool operator==(const JackpotRow&) const = default;
};

// The parts a record keeps; one restored from a run saved by an older version lacks some.
struct RecordParts {
    bool crowd = true;
    bool budget = true;
    bool jackpots = true;

    bool operator==(const RecordParts&) const = default;
};

// The payout percentage as a series went on.
struct PayoutPoint {
    std::int64_t rows = 0;
    std::int64_t winnings = 0;

    bool operator==(const PayoutPoint&) const = default;
};

// What a series has shown, for the chart: the figures of the captions' last refresh, the payout
// at a fixed set of row counts up to then, and the series cut from its first row into sessions of
// each length, counted up to then. Refreshed only when the captions are, so that it follows the
// fast-mode rule as they do; cleared by start over.
class SeriesRecord {
public:
    SeriesRecord();

    // Rows of the series committed, a stretch of them.
    void commit(const StretchPrizes& prizes);
    // The captions were refreshed with these figures of the series, played at `level`.
    void refresh(int level, const Tally& tally);
    // A jackpot was committed: shown from the next refresh on, as the rest of the record.
    void addJackpot(const JackpotRow& jackpot) { heldJackpots_.push_back(jackpot); }
    void clear();
    // A record as a saved run gives it back, to be shown only: the figures of its last refresh,
    // its payout path, its sessions of each length in `sessionLengths`' order, its crowd, its
    // budget's players and its jackpots, of the parts it has.
    static SeriesRecord restored(int level, const Tally& tally, std::vector<PayoutPoint> path,
                                 std::array<SessionTally, sessionLengths.size()> sessions,
                                 CrowdTally crowd, BudgetTally budget,
                                 std::vector<JackpotRow> jackpots, RecordParts parts = {});

    bool operator==(const SeriesRecord&) const = default;

    int level() const { return level_; }
    std::int64_t rows() const { return rows_; }
    std::int64_t winnings() const { return winnings_; }
    const HitCounts& hits() const { return hits_; }
    // Points spaced evenly on a logarithmic scale from 1000 rows, 200 to a decade, each taken at
    // the first refresh at or past it; every power of ten from 1000 on is taken at its own row.
    std::span<const PayoutPoint> path() const { return path_; }
    // The first row count past `rows` at which the path takes a point.
    static std::int64_t pathRowAfter(std::int64_t rows);
    const SessionTally& sessions(std::size_t which) const { return tallies_[which]; }
    const CrowdTally& crowd() const { return crowd_; }
    const BudgetTally& budget() const { return budget_; }
    // Every jackpot of the series, in the order drawn.
    std::span<const JackpotRow> jackpots() const { return jackpots_; }
    const RecordParts& parts() const { return parts_; }
    // Cuts the players of a new budget from the next row on; those of the old one are forgotten.
    void setBudget(int budget);

private:
    struct Cutter {
        std::int64_t partial = 0;             // the prizes of the session under way
        int filled = 0;                       // its rows so far
        std::vector<std::int64_t> completed;  // winnings of sessions completed since the refresh

        bool operator==(const Cutter&) const = default;
    };
    struct CrowdCutter {
        std::int64_t partial = 0;
        int filled = 0;
        std::size_t next = 0;  // the grid row it reaches next
        CrowdTally::Path path{};
        std::vector<CrowdTally::Path> completed;

        bool operator==(const CrowdCutter&) const = default;
    };
    struct BudgetPlayer {
        std::int64_t balance = 0;
        std::int64_t played = 0;
        bool doubled = false;

        bool operator==(const BudgetPlayer&) const = default;
    };
    struct BudgetCutter {
        BudgetPlayer player;
        std::vector<BudgetPlayer> completed;

        bool operator==(const BudgetCutter&) const = default;
    };
    void tallyCompleted(std::size_t which);
    void tallyCrowd();
    void tallyBudget();

    int level_ = 0;
    std::int64_t rows_ = 0;
    std::int64_t winnings_ = 0;
    HitCounts hits_{};
    std::vector<PayoutPoint> path_;
    std::size_t nextPoint_ = 0;
    std::array<SessionTally, sessionLengths.size()> tallies_;
    std::array<Cutter, sessionLengths.size()> cutters_;
    // Ten-row sessions completed since the refresh in whole thousands, by what they won, as
    // the workers counted them; the last counts those that won more than they paid.
    std::array<std::int64_t, tenRows + 2> heldTens_{};
    CrowdTally crowd_;
    CrowdCutter crowdCutter_;
    BudgetTally budget_;
    BudgetCutter budgetCutter_;
    std::vector<JackpotRow> jackpots_;
    std::vector<JackpotRow> heldJackpots_;  // committed since the last refresh
    RecordParts parts_;
    std::int64_t committed_ = 0;  // rows committed, refreshed or not
};

}  // namespace zarno

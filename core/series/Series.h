#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

#include "core/engine/Play.h"
#include "core/engine/RowEngine.h"
#include "core/series/SeriesRecord.h"
#include "core/series/Tally.h"

namespace zarno {

// The 10-hit label as a jackpot rewrote it: the 10-hit rows, among all the rows so far.
struct JackpotFigure {
    std::int64_t count = 0;
    std::int64_t rows = 0;

    bool operator==(const JackpotFigure&) const = default;
};

// A series as read out at one moment, by value: what it has counted, and what its captions are
// to show under the fast-mode rule.
struct SeriesSnapshot {
    Play play;
    Tally tally;  // every row committed
    Row drawn{};  // the last of them, in the order drawn; all 0 before the first row
    // The level's labels: the figures of their last refresh in this series; none before it, when
    // they still show what they showed before.
    std::optional<Tally> shown;
    // The 10-hit label, when a jackpot rewrote it after the labels' last refresh.
    std::optional<JackpotFigure> jackpot;
    std::int64_t counter = 0;  // the row counter

    bool operator==(const SeriesSnapshot&) const = default;
};

// What the caller is to do after a commit.
enum class Tick : std::uint8_t {
    stopped,  // the series is not drawing: it was stopped, or ended at the row limit
    waiting,  // its next rows are not drawn yet: commit again when the engine wakes the caller
    more,     // the deadline passed, or a message is due, with rows still to commit
    reached,  // the series has the rows the caller asked for
};

// A message the caller is to show before it commits again: it shows the series as the snapshot
// has it then, and the series goes on only after it.
enum class Announcement : std::uint8_t {
    none,
    jackpot,  // all ten numbers in the last row, which the snapshot holds
    limit,    // the row limit is met: one more row follows the message, then the series ends
};

struct Progress {
    Tick tick = Tick::stopped;
    Announcement announcement = Announcement::none;
};

// A series of rows of one play, from its first start to a start over: the model every front end
// drives alike. The play is pushed in once per start or continue; commit() takes the rows the
// engine has drawn, in order, a stretch at a time, and never waits for one; snapshot() and
// record() read the outcome.
//
// A stretch ends at the next 1000th row, at a 10-hit row at level 10, and at the row limit, so
// every row that the fast-mode rule or a message shows ends one. Each stretch is one pass of the
// draw loop: the row-limit test, the rows, their tally, a jackpot's message, and the refresh of
// what the captions show, in that order.
class Series {
public:
    using Deadline = std::chrono::steady_clock::time_point;
    static constexpr std::int64_t allRows = std::numeric_limits<std::int64_t>::max();

    explicit Series(RowEngine& engine, std::int64_t limit = rowLimit);

    // Called on a worker thread when rows the series waits for have been drawn.
    void setWake(std::function<void()> wake) { engine_.setWake(std::move(wake)); }

    // Starts the series with the play: from no row, whatever was counted before.
    void begin(const Play& play);
    // Goes on with the series where it stopped, with the play as read again.
    void resume(const Play& play);
    // Stops after the pass in progress; a row the row limit still owes is not waited for.
    void stop();
    // Ends the series: every count back to 0, the rows drawn ahead dropped, the row counter 0.
    void startOver();

    // Commits the rows that are ready, a stretch at a time, until none is ready, a message is due,
    // the series ends or the deadline has passed; at least one stretch when one is ready. No row
    // past `until` is committed: a stretch ends there too.
    Progress commit(Deadline deadline, std::int64_t until = allRows);

    bool drawing() const { return step_ != Step::stopped; }
    SeriesSnapshot snapshot() const;
    // The rows committed, as the snapshot's tally has them, without drawing the last row again.
    std::int64_t rows() const { return tally_.rows; }
    // What the series has shown, for the chart: refreshed with the captions' figures.
    const SeriesRecord& record() const { return record_; }
    // The budget whose players the record cuts from the next row on.
    void setBudget(int budget) { record_.setBudget(budget); }
    // Hands every stretch's rows, as they are committed, to `committed` as well: what they won.
    using Committed = std::function<void(const StretchPrizes& prizes)>;
    void setCommitted(Committed committed) { committed_ = std::move(committed); }

private:
    // Where the series stands in its pass. The pass that meets the row limit draws one row more,
    // and the series ends after it.
    enum class Step : std::uint8_t {
        stopped,      // not drawing
        limitTest,    // a pass begins
        rows,         // the pass's rows come next
        refresh,      // they are tallied, a jackpot announced: the refresh comes next
        lastRow,      // the row limit is met: its one row comes next
        lastRefresh,  // it is tallied: the refresh comes next, then the end
    };

    // Takes the pass's rows when they are ready; whether they were, and whether one is a jackpot.
    enum class Taken : std::uint8_t { none, rows, jackpot };
    Taken takeRows(std::int64_t until, bool lastRow);
    void refresh();

    RowEngine& engine_;
    const std::int64_t rowLimit_;
    Play play_;
    Tally tally_;
    std::optional<Tally> shown_;
    std::optional<JackpotFigure> jackpot_;
    std::int64_t counter_ = 0;
    SeriesRecord record_;
    Committed committed_;
    Step step_ = Step::stopped;
};

}  // namespace zarno

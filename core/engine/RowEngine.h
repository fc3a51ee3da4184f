#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

#include "core/engine/BlockPrizes.h"
#include "core/engine/Lanes.h"
#include "core/engine/Play.h"
#include "core/engine/StartThread.h"
#include "platform/RandomNumbers.h"

namespace zarno {

// Draws and scores the rows of a series on worker threads, for the window's thread to commit in
// draw order; the workers also count the hits of every 1000 rows and keep what the rows won, so
// that committing a stretch of rows costs little per row.
//
// Rows come in blocks. Block b of a series is drawn from a generator of its own, seeded from the
// run's seed, the series and b, and reseeded from the clock before every row, so that a fixed
// seed and a clock that stands still give the same rows whatever the number of workers and
// however they are scheduled. Of each row a block keeps its hits and the generator's position
// after its reseed, from which the row itself can be drawn again. The workers stay at most a few
// blocks ahead of the cursor, so memory does not grow with the length of a run.
//
// The committing thread never waits: it takes what is ready and is told, through the wake
// callback, when the block it needs next has been drawn.
class RowEngine {
public:
    static constexpr int blockRows = static_cast<int>(zarno::blockRows);
    // More workers than one committing thread can keep up with only take processor time from
    // the rest of the machine: it commits upwards of 600 million rows a second, which is about
    // eight workers drawing in their vector lanes, or twenty-four drawing a row at a time.
    static constexpr unsigned maxWorkers = 24;

    // `workers` 0 means one per processor this process may use, up to maxWorkers. Workers that
    // cannot be started are done without; with none at all, ready() draws the rows itself. The
    // workers draw with the best of the processor's vector targets unless told which: whichever
    // it is, the rows are the same.
    RowEngine(Clock& clock, std::uint64_t seed, unsigned workers = 0, const StartThread& start = {},
              std::optional<Target> target = std::nullopt);
    ~RowEngine();
    RowEngine(const RowEngine&) = delete;
    RowEngine& operator=(const RowEngine&) = delete;

    unsigned workers() const { return static_cast<unsigned>(threads_.size()); }
    Target target() const { return target_; }

    // Called on a worker thread when the block at the cursor has been drawn, so that the
    // committing thread can be woken. It must not call back into the engine.
    void setWake(std::function<void()> wake);

    // Drops every block and starts a new series for the play: block 0 of a generator family that
    // no earlier series of this run used.
    void beginSeries(const Play& play);
    // Goes on with the series for the play. Rows already drawn for another play are drawn again
    // from the start of their block, so the rows themselves stay the same.
    void resume(const Play& play);
    // Stops the workers and drops every block; nothing is drawn until the next series.
    void stop();

    // The hits of the rows ready at the cursor, at most `most`; empty when none is ready yet.
    std::span<const std::uint8_t> ready(std::int64_t most);
    // For `rows` rows that ready() returned: what they won. Valid until they are committed.
    StretchPrizes prizes(std::size_t rows) const;
    // For `rows` rows that ready() returned: how many have each hit count.
    HitCounts countHits(std::size_t rows) const;
    // Moves the cursor past `rows` rows of what ready() returned.
    void commit(std::size_t rows);
    // The last row committed, in the order drawn, drawn again from where its block kept it; all
    // zeros before the first. Whole rows are asked for far less often than they are committed.
    Row lastRow() const;

private:
    struct Block {
        std::atomic<std::int64_t> published{-1};  // the series' block it holds, once complete
        bool writing = false;                     // a worker draws into it; guarded by mutex_
        std::array<std::uint8_t, blockRows> hits;
        std::array<std::uint64_t, blockRows> starts;  // the generator's position at each row
        // Each 1000 rows' hit counts, as the stretches that end at every 1000th row take them.
        std::array<std::array<std::uint16_t, maxLevel + 1>, blockRows / refreshStride> thousands;
        BlockPrizes prizes;
    };

    void work();
    static void finish(Block& block, const PrizeOf& prizeOf);
    bool draw(Block& block, std::int64_t index, std::uint64_t series, const Play& play,
              std::uint64_t epoch);
    // Draws consecutive blocks together in the vector lanes; false once outdated.
    bool drawTogether(std::span<Block* const> blocks, std::int64_t first, std::uint64_t series,
                      const Play& play, std::uint64_t epoch);
    void restartAt(std::int64_t block);
    std::size_t groupSize() const;
    bool mayDraw(std::int64_t block, std::size_t count) const;
    RandomNumbers generator(std::uint64_t series, std::int64_t block) const;
    Block& slotOf(std::int64_t block) const {
        return *slots_[static_cast<std::size_t>(block) % slots_.size()];
    }

    Clock& clock_;
    const std::uint64_t seed_;
    const Target target_;
    std::vector<std::unique_ptr<Block>> slots_;
    std::vector<std::thread> threads_;

    std::mutex mutex_;
    std::condition_variable workWaiting_;  // for the workers: a block may be drawn, or quit
    // Bumped whenever the blocks in hand are dropped; a worker gives up a block it sees outdated.
    std::atomic<std::uint64_t> epoch_{0};
    // Guarded by mutex_.
    bool drawing_ = false;
    bool quitting_ = false;
    std::uint64_t series_ = 0;
    Play play_;
    std::int64_t nextBlock_ = 0;  // the next block a worker takes
    std::function<void()> wake_;
    // Written by the committing thread under the mutex, so it may read it without.
    std::int64_t cursorBlock_ = 0;
    // The committing thread's own.
    std::int64_t cursorRow_ = 0;  // rows of the cursor's block already committed
    // Where the last row committed was drawn: its series, block and generator position.
    struct RowPlace {
        std::uint64_t series = 0;
        std::int64_t block = -1;
        std::uint64_t position = 0;
    };
    RowPlace lastPlace() const;
    // Called before the cursor's block is let go.
    void keepLastPlace();
    RowPlace last_;
    // While the last row committed is the cursor's, which no worker rewrites while the cursor
    // holds it, its position is read only when asked, not at every commit from a line that
    // another core wrote.
    bool lastAtCursor_ = false;
    PrizeOf prizeOf_{};  // the drawn play's
};

}  // namespace zarno

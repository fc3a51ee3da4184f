#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "core/Scoring.h"
#include "core/SimulationState.h"
#include "platform/RandomNumbers.h"

namespace zarno {

// Draws and scores the rows of a series on worker threads, for the user-interface thread to
// commit in draw order.
//
// Rows come in blocks. Block b of a series is drawn from a generator of its own, seeded from the
// run's seed, the series and b, and reseeded from the clock before every row, so that a fixed
// seed and a clock that stands still give the same rows whatever the number of workers and
// however they are scheduled. Of each row a block keeps its hits and the generator's position
// after its reseed, from which the row itself can be drawn again. The workers stay at most a few
// blocks ahead of the cursor, so memory does not grow with the length of a run.
class RowEngine {
public:
    // A multiple of 1000, so that every 1000th row of a series ends a stretch inside a block.
    static constexpr int blockRows = 10'000;

    // `workers` 0 means one per hardware thread.
    RowEngine(Clock& clock, std::uint64_t seed, unsigned workers = 0);
    ~RowEngine();
    RowEngine(const RowEngine&) = delete;
    RowEngine& operator=(const RowEngine&) = delete;

    unsigned workers() const { return static_cast<unsigned>(threads_.size()); }

    // Drops every block and starts a new series for the play: block 0 of a generator family that
    // no earlier series of this run used.
    void beginSeries(const Play& play);
    // Goes on with the series for the play. Rows already drawn for another play are drawn again
    // from the start of their block, so the rows themselves stay the same.
    void resume(const Play& play);
    // Stops the workers and drops every block; nothing is drawn until the next series.
    void stop();

    // The hits of the rows ready at the cursor, at most `most`. Waits up to `patience` for the
    // first of them; empty when none was ready by then.
    std::span<const std::uint8_t> ready(std::int64_t most, std::chrono::milliseconds patience);
    // Moves the cursor past `rows` rows of what ready() returned, and writes the last of them, in
    // the order drawn, into `last`.
    void commit(std::size_t rows, SimulationState::Row& last);

private:
    struct Block {
        std::atomic<std::int64_t> published{-1};  // the series' block it holds, once complete
        std::array<std::uint8_t, blockRows> hits;
        std::array<std::uint64_t, blockRows> starts;  // the generator's position at each row
    };

    void work();
    bool draw(Block& block, std::int64_t index, std::uint64_t series, const Play& play,
              std::uint64_t epoch);
    void restartAt(std::unique_lock<std::mutex>& lock, std::int64_t block);
    RandomNumbers generator(std::uint64_t series, std::int64_t block) const;
    Block& slotOf(std::int64_t block) {
        return *slots_[static_cast<std::size_t>(block) % slots_.size()];
    }

    Clock& clock_;
    const std::uint64_t seed_;
    std::vector<std::unique_ptr<Block>> slots_;
    std::vector<std::thread> threads_;

    std::mutex mutex_;
    std::condition_variable workWaiting_;  // for the workers: a block may be drawn, or quit
    std::condition_variable progress_;     // for the cursor's block, and for idle workers
    // Bumped whenever the blocks in hand are dropped; a worker gives up a block it sees outdated.
    std::atomic<std::uint64_t> epoch_{0};
    // Guarded by mutex_.
    bool drawing_ = false;
    bool quitting_ = false;
    bool waiting_ = false;  // someone waits on progress_
    int busy_ = 0;          // workers drawing a block
    std::uint64_t series_ = 0;
    Play play_;
    std::int64_t nextBlock_ = 0;  // the next block a worker takes
    // Written by the user-interface thread under the mutex, so it may read it without.
    std::int64_t cursorBlock_ = 0;
    // The user-interface thread's own.
    std::int64_t cursorRow_ = 0;  // rows of the cursor's block already committed
};

}  // namespace zarno

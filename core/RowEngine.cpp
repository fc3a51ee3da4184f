#include "core/RowEngine.h"

#include <algorithm>

#include "core/DrawGenerator.h"

namespace zarno {
namespace {

// How many rows a worker draws between two looks at whether its block is still wanted.
constexpr int rowsBetweenChecks = 1000;
static_assert(RowEngine::blockRows % rowsBetweenChecks == 0);
static_assert(RowEngine::blockRows % 1000 == 0);

// Blocks in hand per worker: enough that a worker rarely waits for the cursor.
constexpr std::size_t blocksPerWorker = 4;

}  // namespace

RowEngine::RowEngine(Clock& clock, std::uint64_t seed, unsigned workers)
    : clock_(clock), seed_(seed) {
    if (workers == 0) {
        workers = std::max(1u, std::thread::hardware_concurrency());
    }
    slots_.resize(blocksPerWorker * workers);
    for (auto& slot : slots_) {
        slot = std::make_unique<Block>();
    }
    threads_.reserve(workers);
    for (unsigned i = 0; i < workers; ++i) {
        threads_.emplace_back([this] { work(); });
    }
}

RowEngine::~RowEngine() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
        epoch_.fetch_add(1);
    }
    workWaiting_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

void RowEngine::beginSeries(const Play& play) {
    std::unique_lock lock(mutex_);
    restartAt(lock, 0);
    cursorRow_ = 0;
    ++series_;
    play_ = play;
    drawing_ = true;
    workWaiting_.notify_all();
}

void RowEngine::resume(const Play& play) {
    std::unique_lock lock(mutex_);
    if (drawing_ && play == play_) {
        return;
    }
    restartAt(lock, cursorBlock_);
    play_ = play;
    drawing_ = true;
    workWaiting_.notify_all();
}

void RowEngine::stop() {
    std::unique_lock lock(mutex_);
    restartAt(lock, 0);
    cursorRow_ = 0;
}

// Drops every block in hand; drawing goes on from `block` once it is allowed again. The workers
// leave a block they are drawing at their next check, so this waits well under a millisecond.
void RowEngine::restartAt(std::unique_lock<std::mutex>& lock, std::int64_t block) {
    drawing_ = false;
    epoch_.fetch_add(1);
    waiting_ = true;
    progress_.wait(lock, [this] { return busy_ == 0; });
    waiting_ = false;
    for (auto& slot : slots_) {
        slot->published.store(-1, std::memory_order_relaxed);
    }
    nextBlock_ = block;
    cursorBlock_ = block;
}

RandomNumbers RowEngine::generator(std::uint64_t series, std::int64_t block) const {
    const auto index = static_cast<std::uint64_t>(block);
    const std::uint64_t seriesKey = mix64(seed_ ^ mix64(series * 0x9e3779b97f4a7c15u));
    return RandomNumbers(clock_, mix64(seriesKey + index), index);
}

void RowEngine::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        workWaiting_.wait(lock, [this] {
            return quitting_ || (drawing_ && nextBlock_ < cursorBlock_ + static_cast<std::int64_t>(
                                                                             slots_.size()));
        });
        if (quitting_) {
            return;
        }
        // The block's slot was freed when the cursor passed the block that held it before.
        const std::int64_t index = nextBlock_++;
        const std::uint64_t series = series_;
        const Play play = play_;
        const std::uint64_t epoch = epoch_.load();
        Block& block = slotOf(index);
        ++busy_;
        lock.unlock();
        const bool complete = draw(block, index, series, play, epoch);
        lock.lock();
        --busy_;
        if (complete && epoch == epoch_.load()) {
            block.published.store(index, std::memory_order_release);
        }
        if (waiting_) {
            progress_.notify_all();
        }
    }
}

bool RowEngine::draw(Block& block, std::int64_t index, std::uint64_t series, const Play& play,
                     std::uint64_t epoch) {
    RandomNumbers random = generator(series, index);
    for (int first = 0; first < blockRows; first += rowsBetweenChecks) {
        if (epoch_.load(std::memory_order_relaxed) != epoch) {
            return false;
        }
        for (int row = first; row < first + rowsBetweenChecks; ++row) {
            random.reseed();
            block.starts[static_cast<std::size_t>(row)] = random.position();
            const NumberSet numbers = drawRow(random, [](int, int) {});
            block.hits[static_cast<std::size_t>(row)] =
                static_cast<std::uint8_t>(scoreRow(numbers, play));
        }
    }
    return true;
}

std::span<const std::uint8_t> RowEngine::ready(std::int64_t most,
                                               std::chrono::milliseconds patience) {
    Block& block = slotOf(cursorBlock_);
    if (block.published.load(std::memory_order_acquire) != cursorBlock_) {
        std::unique_lock lock(mutex_);
        waiting_ = true;
        const bool came = progress_.wait_for(lock, patience, [&] {
            return block.published.load(std::memory_order_acquire) == cursorBlock_;
        });
        waiting_ = false;
        if (!came) {
            return {};
        }
    }
    const std::int64_t rows = std::min<std::int64_t>(most, blockRows - cursorRow_);
    return std::span<const std::uint8_t>(block.hits)
        .subspan(static_cast<std::size_t>(cursorRow_), static_cast<std::size_t>(rows));
}

void RowEngine::commit(std::size_t rows, SimulationState::Row& last) {
    if (rows == 0) {
        return;
    }
    Block& block = slotOf(cursorBlock_);
    cursorRow_ += static_cast<std::int64_t>(rows);
    // The row drawn again from its position: the same candidates, now written down in order.
    RandomNumbers replay = generator(series_, cursorBlock_);
    replay.moveTo(block.starts[static_cast<std::size_t>(cursorRow_ - 1)]);
    last.fill(0);
    drawRow(replay, [&last](int slot, int candidate) {
        last[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(candidate);
    });
    if (cursorRow_ == blockRows) {
        {
            std::lock_guard lock(mutex_);
            ++cursorBlock_;
            cursorRow_ = 0;
        }
        workWaiting_.notify_one();
    }
}

}  // namespace zarno

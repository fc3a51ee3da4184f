#include "core/engine/RowEngine.h"

#include <algorithm>
#include <exception>

#include "core/engine/DrawGenerator.h"
#include "platform/Processors.h"

namespace zarno {
namespace {

// How many rows a worker draws between two looks at whether its block is still wanted; it counts
// their hits as it goes.
constexpr int rowsBetweenChecks = static_cast<int>(refreshStride);

// Blocks in hand per worker: enough that a worker rarely waits for the cursor, and for a group
// and a half of the blocks its lanes draw together.
constexpr std::size_t blocksPerWorker = 4;

bool distinctNumbers(const Play& play) {
    for (std::size_t i = 0; i < play.numbers.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (play.numbers[i] != 0 && play.numbers[i] == play.numbers[j]) {
                return false;
            }
        }
    }
    return true;
}

// Rows by hit count, four counts apart so that a run of equal hits does not make each increment
// wait for the one before.
template <class Count>
std::array<Count, maxLevel + 1> tallyOf(std::span<const std::uint8_t> hits) {
    std::array<std::array<Count, maxLevel + 1>, 4> lanes{};
    std::size_t i = 0;
    for (; i + 4 <= hits.size(); i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            ++lanes[lane][hits[i + lane]];
        }
    }
    for (; i < hits.size(); ++i) {
        ++lanes[0][hits[i]];
    }
    std::array<Count, maxLevel + 1> counts{};
    for (std::size_t k = 0; k < counts.size(); ++k) {
        counts[k] = static_cast<Count>(lanes[0][k] + lanes[1][k] + lanes[2][k] + lanes[3][k]);
    }
    return counts;
}

}  // namespace

RowEngine::RowEngine(Clock& clock, std::uint64_t seed, unsigned workers, const StartThread& start,
                     std::optional<Target> target)
    : clock_(clock), seed_(seed), target_(target.value_or(bestTarget(processorFeatures()))) {
    if (workers == 0) {
        workers = std::min(usableProcessors(), maxWorkers);
    }
    const auto lanes = static_cast<std::size_t>(lanesOf(target_));
    const auto perWorker = std::max(blocksPerWorker, lanes + lanes / 2);
    slots_.resize(perWorker * std::max(workers, 1u));
    for (auto& slot : slots_) {
        slot = std::make_unique<Block>();
    }
    threads_.reserve(workers);  // so that keeping a started thread cannot throw
    for (unsigned i = 0; i < workers; ++i) {
        std::function<void()> work = [this] {
            nameThread("zarno-rows");
            lowerThreadPriority();
            this->work();
        };
        try {
            threads_.push_back(startThread(start, std::move(work)));
        } catch (const std::exception&) {
            break;  // the workers that did start draw on their own
        }
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

void RowEngine::setWake(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

void RowEngine::beginSeries(const Play& play) {
    std::lock_guard lock(mutex_);
    keepLastPlace();
    restartAt(0);
    cursorRow_ = 0;
    ++series_;
    play_ = play;
    prizeOf_ = prizesOf(play);
    drawing_ = true;
    workWaiting_.notify_all();
}

void RowEngine::resume(const Play& play) {
    std::lock_guard lock(mutex_);
    if (drawing_ && sameTicket(play, play_)) {
        return;
    }
    keepLastPlace();
    restartAt(cursorBlock_);
    play_ = play;
    prizeOf_ = prizesOf(play);
    drawing_ = true;
    workWaiting_.notify_all();
}

void RowEngine::stop() {
    std::lock_guard lock(mutex_);
    keepLastPlace();
    restartAt(0);
    cursorRow_ = 0;
}

// Drops every block in hand; drawing goes on from `block` once it is allowed again. A worker
// still drawing an outdated block leaves it at its next check and publishes nothing; until then
// its slot is not handed out again. Called with the mutex held.
void RowEngine::restartAt(std::int64_t block) {
    drawing_ = false;
    epoch_.fetch_add(1);
    for (auto& slot : slots_) {
        slot->published.store(-1, std::memory_order_relaxed);
    }
    nextBlock_ = block;
    cursorBlock_ = block;
}

// The lanes count hits as the numbers a row and the play share: a play that has a number twice
// counts it twice only on the scalar path. Called with the mutex held.
std::size_t RowEngine::groupSize() const {
    return distinctNumbers(play_) ? static_cast<std::size_t>(lanesOf(target_)) : 1;
}

// Whether the `count` blocks from `block` on may be drawn now. Called with the mutex held.
bool RowEngine::mayDraw(std::int64_t block, std::size_t count) const {
    if (!drawing_ || block + static_cast<std::int64_t>(count) >
                         cursorBlock_ + static_cast<std::int64_t>(slots_.size())) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (slotOf(block + static_cast<std::int64_t>(i)).writing) {
            return false;
        }
    }
    return true;
}

RandomNumbers RowEngine::generator(std::uint64_t series, std::int64_t block) const {
    const auto index = static_cast<std::uint64_t>(block);
    const std::uint64_t seriesKey = mix64(seed_ ^ mix64(series * 0x9e3779b97f4a7c15u));
    return RandomNumbers(clock_, mix64(seriesKey + index), index);
}

// A worker takes as many consecutive blocks as its lanes draw together, and waits until their
// slots are free: a block drawn on its own would take the lanes' time for a few rows.
void RowEngine::work() {
    std::unique_lock lock(mutex_);
    std::vector<Block*> group;
    group.reserve(static_cast<std::size_t>(lanesOf(target_)));
    for (;;) {
        workWaiting_.wait(lock, [&] { return quitting_ || mayDraw(nextBlock_, groupSize()); });
        if (quitting_) {
            return;
        }
        const std::int64_t first = nextBlock_;
        group.clear();
        const std::size_t size = groupSize();
        while (group.size() < size) {
            Block& block = slotOf(nextBlock_++);
            block.writing = true;
            group.push_back(&block);
        }
        const std::uint64_t series = series_;
        const Play play = play_;
        const std::uint64_t epoch = epoch_.load();
        lock.unlock();
        bool complete = true;
        if (group.size() > 1) {
            complete = drawTogether(group, first, series, play, epoch);
        } else {
            complete = draw(*group.front(), first, series, play, epoch);
        }
        lock.lock();
        bool woken = false;
        for (std::size_t i = 0; i < group.size(); ++i) {
            const std::int64_t index = first + static_cast<std::int64_t>(i);
            group[i]->writing = false;
            if (complete && epoch == epoch_.load()) {
                group[i]->published.store(index, std::memory_order_release);
                woken = woken || index == cursorBlock_;
            }
        }
        if (woken && wake_) {
            wake_();
        }
        workWaiting_.notify_all();  // the slots of an outdated group may be handed out again
    }
}

// What the committing thread reads of a block drawn: each 1000 rows' hit counts, and what the
// rows won.
void RowEngine::finish(Block& block, const PrizeOf& prizeOf) {
    for (std::size_t t = 0; t < block.thousands.size(); ++t) {
        block.thousands[t] = tallyOf<std::uint16_t>(
            std::span<const std::uint8_t>(block.hits).subspan(t * strideRows, strideRows));
    }
    block.prizes.keep(block.hits, prizeOf);
}

bool RowEngine::drawTogether(std::span<Block* const> blocks, std::int64_t first,
                             std::uint64_t series, const Play& play, std::uint64_t epoch) {
    std::vector<LaneBlock> lanes;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const RandomNumbers random = generator(series, first + static_cast<std::int64_t>(i));
        lanes.push_back({random.position(), random.increment(), blocks[i]->hits.data(),
                         blocks[i]->starts.data()});
    }
    for (int row = 0; row < blockRows; row += rowsBetweenChecks) {
        if (epoch_.load(std::memory_order_relaxed) != epoch) {
            return false;
        }
        drawLanes(target_, lanes, row, rowsBetweenChecks, play, clock_);
    }
    const PrizeOf prizeOf = prizesOf(play);
    for (Block* block : blocks) {
        finish(*block, prizeOf);
    }
    return true;
}

bool RowEngine::draw(Block& block, std::int64_t index, std::uint64_t series, const Play& play,
                     std::uint64_t epoch) {
    RandomNumbers random = generator(series, index);
    for (int first = 0; first < blockRows; first += rowsBetweenChecks) {
        if (epoch_.load(std::memory_order_relaxed) != epoch) {
            return false;
        }
        for (int row = first; row < first + rowsBetweenChecks; ++row) {
            const auto r = static_cast<std::size_t>(row);
            random.reseed();
            block.starts[r] = random.position();
            const NumberSet numbers = drawRow(random, [](int, int) {});
            block.hits[r] = static_cast<std::uint8_t>(scoreRow(numbers, play));
        }
    }
    finish(block, prizesOf(play));
    return true;
}

std::span<const std::uint8_t> RowEngine::ready(std::int64_t most) {
    Block& block = slotOf(cursorBlock_);
    if (block.published.load(std::memory_order_acquire) != cursorBlock_) {
        if (!threads_.empty()) {
            return {};
        }
        // Without a worker the committing thread draws the block it needs itself.
        std::unique_lock lock(mutex_);
        if (!drawing_) {
            return {};
        }
        const std::uint64_t series = series_;
        const Play play = play_;
        const std::uint64_t epoch = epoch_.load();
        lock.unlock();
        draw(block, cursorBlock_, series, play, epoch);
        block.published.store(cursorBlock_, std::memory_order_release);
    }
    const std::int64_t rows = std::min<std::int64_t>(most, blockRows - cursorRow_);
    return std::span<const std::uint8_t>(block.hits)
        .subspan(static_cast<std::size_t>(cursorRow_), static_cast<std::size_t>(rows));
}

StretchPrizes RowEngine::prizes(std::size_t rows) const {
    const Block& block = slotOf(cursorBlock_);
    return {block.prizes, block.hits.data(), prizeOf_, static_cast<std::size_t>(cursorRow_), rows};
}

HitCounts RowEngine::countHits(std::size_t rows) const {
    const Block& block = slotOf(cursorBlock_);
    const auto first = static_cast<std::size_t>(cursorRow_);
    if (first % strideRows == 0 && rows == strideRows) {
        HitCounts counts{};
        const auto& thousand = block.thousands[first / strideRows];
        std::copy(thousand.begin(), thousand.end(), counts.begin());
        return counts;
    }
    return tallyOf<std::int64_t>(std::span<const std::uint8_t>(block.hits).subspan(first, rows));
}

// The row drawn again from its position: the same candidates, now written down in order.
Row RowEngine::lastRow() const {
    Row last{};
    const RowPlace place = lastPlace();
    if (place.block < 0) {
        return last;
    }
    RandomNumbers replay = generator(place.series, place.block);
    replay.moveTo(place.position);
    drawRow(replay, [&last](int slot, int candidate) {
        last[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(candidate);
    });
    return last;
}

void RowEngine::commit(std::size_t rows) {
    if (rows == 0) {
        return;
    }
    cursorRow_ += static_cast<std::int64_t>(rows);
    lastAtCursor_ = true;
    if (cursorRow_ == blockRows) {
        keepLastPlace();
        bool groupFree = false;
        {
            std::lock_guard lock(mutex_);
            ++cursorBlock_;
            cursorRow_ = 0;
            groupFree = mayDraw(nextBlock_, groupSize());
        }
        if (groupFree) {  // a worker woken sooner would find too few slots and wait again
            workWaiting_.notify_one();
        }
    }
}

RowEngine::RowPlace RowEngine::lastPlace() const {
    if (!lastAtCursor_) {
        return last_;
    }
    const Block& block = slotOf(cursorBlock_);
    return {series_, cursorBlock_, block.starts[static_cast<std::size_t>(cursorRow_ - 1)]};
}

void RowEngine::keepLastPlace() {
    last_ = lastPlace();
    lastAtCursor_ = false;
}

}  // namespace zarno

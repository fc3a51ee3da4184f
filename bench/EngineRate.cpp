#include "bench/EngineRate.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "bench/BenchPlay.h"
#include "core/engine/RowEngine.h"
#include "platform/RandomNumbers.h"

namespace zarno::bench {

double engineRowsPerSecond(int level, std::int64_t rows) {
    SystemClock clock;
    RowEngine engine(clock, freshSeed(clock));
    std::mutex mutex;
    std::condition_variable woken;
    bool wake = false;
    engine.setWake([&] {
        {
            std::lock_guard lock(mutex);
            wake = true;
        }
        woken.notify_one();
    });
    HitCounts counts{};
    engine.beginSeries(benchPlay(level));
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t done = 0; done < rows;) {
        const auto hits = engine.ready(1000);
        if (hits.empty()) {
            std::unique_lock lock(mutex);
            woken.wait_for(lock, std::chrono::milliseconds(1), [&] { return wake; });
            wake = false;
            continue;
        }
        for (const std::uint8_t h : hits) {
            ++counts[h];
        }
        engine.commit(hits.size());
        done += static_cast<std::int64_t>(hits.size());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    engine.setWake({});
    return static_cast<double>(rows) / seconds;
}

}  // namespace zarno::bench

#include "cli/Drawing.h"

#include <condition_variable>
#include <memory>
#include <mutex>

#include "core/series/Series.h"
#include "platform/Console.h"
#include "platform/RandomNumbers.h"

namespace zarno::cli {

Drawn drawRows(const Request& request, const std::function<void(std::int64_t rows)>& progress) {
    SystemClock systemClock;
    StillClock stillClock;
    Clock& clock = request.seed ? static_cast<Clock&>(stillClock) : systemClock;
    RowEngine engine(clock, request.seed.value_or(freshSeed(systemClock)), request.threads);
    Series series(engine);
    // The engine wakes this thread when the rows it waits for are drawn.
    std::mutex mutex;
    std::condition_variable woken;
    bool wake = false;
    series.setWake([&] {
        {
            const std::lock_guard lock(mutex);
            wake = true;
        }
        woken.notify_one();
    });
    series.setBudget(request.budget);
    Play play = request.play;
    play.fast = false;  // every stretch refreshes the record
    series.begin(play);
    Drawn drawn;
    for (;;) {
        // A stretch at a time, so that Ctrl+C stops at the next one. A jackpot's announcement
        // is for a window; here the drawing goes on.
        const Progress step = series.commit(Series::Deadline{}, request.rows);
        if (step.tick == Tick::reached) {
            break;
        }
        if (interrupted()) {
            drawn.interrupted = true;
            break;
        }
        if (step.tick == Tick::waiting) {
            std::unique_lock lock(mutex);
            woken.wait_for(lock, std::chrono::milliseconds(100), [&] { return wake; });
            wake = false;
            continue;
        }
        progress(series.rows());
    }
    series.stop();
    series.setWake({});
    drawn.record = series.record();
    return drawn;
}

}  // namespace zarno::cli

#pragma once

#include <cstdint>
#include <functional>
#include <thread>

#include "core/engine/RowEngine.h"
#include "core/series/Series.h"
#include "doubles/Clocks.h"

namespace zarno::test {

// A play of the numbers 1, 2, ... at a level.
inline Play playOfFirst(int level, bool fast = false) {
    Play play;
    play.level = level;
    for (int i = 0; i < level && i < numberBoxes; ++i) {
        play.numbers[static_cast<std::size_t>(i)] = i + 1;
    }
    play.fast = fast;
    return play;
}

// Commits a stretch at a time, as a front end's ticks do, until the series has `rows` rows or
// stops drawing; rows that are not ready yet are waited for. Each announcement is handed to
// `announced`, as a front end shows it, before the series goes on.
inline void drawTo(Series& series, std::int64_t rows,
                   const std::function<void(Announcement)>& announced = {}) {
    while (series.drawing() && series.snapshot().tally.rows < rows) {
        const Progress progress = series.commit(Series::Deadline{}, rows);
        if (progress.announcement != Announcement::none && announced) {
            announced(progress.announcement);
        } else if (progress.tick == Tick::waiting) {
            std::this_thread::yield();
        }
    }
}

// A series with rows from a real engine on a clock that stands still, so that a seed draws the
// same rows every time.
struct SeriesRig {
    explicit SeriesRig(unsigned workers = 2, std::uint64_t seed = 2026,
                       std::int64_t limit = rowLimit, const StartThread& start = {})
        : engine(clock, seed, workers, start), series(engine, limit) {}

    ScriptedClock clock;
    RowEngine engine;
    Series series;
};

}  // namespace zarno::test

#include "core/series/Series.h"

#include <algorithm>

namespace zarno {

Series::Series(RowEngine& engine, std::int64_t limit) : engine_(engine), rowLimit_(limit) {}

void Series::begin(const Play& play) {
    play_ = play;
    tally_ = {};
    shown_.reset();
    jackpot_.reset();
    record_.clear();
    engine_.beginSeries(play);
    step_ = Step::limitTest;
}

void Series::resume(const Play& play) {
    play_ = play;
    engine_.resume(play);
    step_ = Step::limitTest;
}

void Series::stop() {
    if (step_ == Step::refresh || step_ == Step::lastRefresh) {
        refresh();  // a pass is never left half done
    }
    step_ = Step::stopped;
}

void Series::startOver() {
    stop();
    tally_ = {};
    shown_.reset();
    jackpot_.reset();
    counter_ = 0;
    record_.clear();
    engine_.stop();  // the rows drawn ahead belong to the series that ends here
}

Progress Series::commit(Deadline deadline, std::int64_t until) {
    for (;;) {
        switch (step_) {
            case Step::stopped:
                return {Tick::stopped};
            case Step::limitTest:
                if (tally_.rows >= until) {
                    return {Tick::reached};
                }
                if (tally_.rows >= rowLimit_) {
                    step_ = Step::lastRow;
                    counter_ = tally_.rows;
                    return {Tick::more, Announcement::limit};
                }
                step_ = Step::rows;
                break;
            case Step::rows:
            case Step::lastRow: {
                const bool last = step_ == Step::lastRow;
                const Taken taken = takeRows(until, last);
                if (taken == Taken::none) {
                    return {Tick::waiting};
                }
                step_ = last ? Step::lastRefresh : Step::refresh;
                if (taken == Taken::jackpot) {
                    return {Tick::more, Announcement::jackpot};
                }
                break;
            }
            case Step::refresh:
            case Step::lastRefresh:
                refresh();
                if (step_ == Step::lastRefresh) {
                    step_ = Step::stopped;
                    return {Tick::stopped};
                }
                step_ = Step::limitTest;
                if (std::chrono::steady_clock::now() >= deadline) {
                    return {Tick::more};
                }
                break;
        }
    }
}

Series::Taken Series::takeRows(std::int64_t until, bool lastRow) {
    const std::int64_t rows = tally_.rows;
    const std::int64_t most =
        lastRow ? 1
                : std::min({refreshStride - rows % refreshStride, rowLimit_ - rows, until - rows});
    std::span<const std::uint8_t> hits = engine_.ready(most);
    if (hits.empty()) {
        return Taken::none;
    }
    HitCounts counted = engine_.countHits(hits.size());
    const bool jackpot = play_.level == maxLevel && counted[maxLevel] > 0;
    if (jackpot) {
        const auto first = std::find(hits.begin(), hits.end(), maxLevel);
        hits = hits.first(static_cast<std::size_t>(first - hits.begin()) + 1);
        counted = engine_.countHits(hits.size());
    }
    tally_.add(play_.level, counted, static_cast<std::int64_t>(hits.size()));
    const StretchPrizes prizes = engine_.prizes(hits.size());
    record_.commit(prizes);
    if (committed_) {
        committed_(prizes);
    }
    engine_.commit(hits.size());
    if (jackpot) {
        jackpot_ = JackpotFigure{tally_.hits[maxLevel], tally_.rows};
        record_.addJackpot({tally_.rows, engine_.lastRow()});
        return Taken::jackpot;
    }
    return Taken::rows;
}

// Fast mode refreshes at every 1000th row only.
void Series::refresh() {
    if (play_.fast && tally_.rows % refreshStride != 0) {
        return;
    }
    if (isLevel(play_.level)) {
        shown_ = tally_;
        jackpot_.reset();  // the refresh rewrites the 10-hit label too
        record_.refresh(play_.level, tally_);
    }
    counter_ = tally_.rows;
}

SeriesSnapshot Series::snapshot() const {
    return {play_, tally_, engine_.lastRow(), shown_, jackpot_, counter_};
}

}  // namespace zarno

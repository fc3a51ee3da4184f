// A series driven as every front end drives it: what it draws depends on the seed, the series and
// the clock only, never on the number of workers, their scheduling or where the player pauses;
// its stretches end where the captions or a message show a row.
#include "core/series/Series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <system_error>
#include <vector>

#include "doubles/SeriesRig.h"

namespace zarno {
namespace {

using test::drawTo;
using test::playOfFirst;
using test::SeriesRig;

// Chosen so that level 10 with the numbers 1..10 hits 10 of 10 early, and twice.
constexpr std::uint64_t jackpotSeed = 58;  // jackpots at rows 18 954 and 336 185
constexpr std::int64_t seriesRows = 400'000;

// Starts threads until `started` have started, then fails as a system out of threads does.
StartThread failingAfter(int started) {
    return [started, count = 0](std::function<void()> work) mutable {
        if (count++ == started) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::thread(std::move(work));
    };
}

// What a series leaves behind, and how it got there.
struct Outcome {
    SeriesSnapshot last;
    std::vector<std::int64_t> passes;      // the rows after each stretch
    std::vector<SeriesSnapshot> jackpots;  // the series as each jackpot's message shows it
    SeriesRecord record;
};

bool sameSeries(const Outcome& a, const Outcome& b) {
    return a.last == b.last && a.record == b.record && a.jackpots.size() == b.jackpots.size() &&
           std::equal(a.jackpots.begin(), a.jackpots.end(), b.jackpots.begin());
}

// Plays until the series reaches each of `pauses` in turn, stopping and going on there.
Outcome play(Series& series, const Play& play, const std::vector<std::int64_t>& pauses) {
    Outcome outcome;
    series.begin(play);
    for (std::size_t next = 0; next < pauses.size(); ++next) {
        if (next > 0) {
            series.resume(play);
        }
        while (series.snapshot().tally.rows < pauses[next]) {
            const Progress progress = series.commit(Series::Deadline{});
            if (progress.announcement == Announcement::jackpot) {
                outcome.jackpots.push_back(series.snapshot());
            } else if (progress.tick == Tick::waiting) {
                std::this_thread::yield();
            } else {
                outcome.passes.push_back(series.snapshot().tally.rows);
            }
        }
        series.stop();
    }
    outcome.last = series.snapshot();
    outcome.record = series.record();
    return outcome;
}

Outcome playJackpotSeries(unsigned workers, const std::vector<std::int64_t>& pauses,
                          const StartThread& start = {}) {
    SeriesRig rig(workers, jackpotSeed, rowLimit, start);
    return play(rig.series, playOfFirst(10, true), pauses);
}

TEST(Series, IsTheSameWhateverTheWorkersAndThePauses) {
    const Outcome reference = playJackpotSeries(1, {seriesRows});
    ASSERT_FALSE(reference.jackpots.empty()) << "the seed no longer gives an early jackpot";
    const struct {
        unsigned workers;
        std::vector<std::int64_t> pauses;
        int started = -1;  // threads that start before the system refuses more; -1 all
    } runs[] = {
        {2, {seriesRows}},
        {8, {seriesRows}},
        {1, {1, 73'500, 200'000, seriesRows}},
        {2, {999, 1000, 123'456, seriesRows}},
        {8, {reference.jackpots.front().tally.rows, seriesRows}},
        {4, {seriesRows}, 1},
        {2, {50'000, seriesRows}, 0},  // no worker at all: the commits draw the rows themselves
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.workers << " workers (" << run.started << " start), "
                                        << run.pauses.size() << " pauses");
        EXPECT_TRUE(sameSeries(
            playJackpotSeries(run.workers, run.pauses,
                              run.started < 0 ? StartThread{} : failingAfter(run.started)),
            reference));
    }
}

// Every stretch ends at a 1000th row or at a jackpot. The jackpot's message shows its own row in
// the 10-hit label, while in fast mode the other figures stay those of the last 1000th row until
// the pass's refresh.
TEST(Series, StretchesEndAtThousandthRowsAndAtJackpots) {
    const Outcome outcome = playJackpotSeries(2, {seriesRows});
    ASSERT_EQ(outcome.jackpots.size(), 2u);
    for (const std::int64_t rows : outcome.passes) {
        const bool jackpot =
            rows == outcome.jackpots[0].tally.rows || rows == outcome.jackpots[1].tally.rows;
        ASSERT_TRUE(rows % 1000 == 0 || jackpot) << rows;
    }
    const SeriesSnapshot& first = outcome.jackpots.front();
    ASSERT_EQ(first.tally.rows, 18'954) << "pick a seed whose jackpot falls between 1000th rows";
    EXPECT_EQ(first.jackpot, (JackpotFigure{1, 18'954}));
    ASSERT_TRUE(first.shown);
    EXPECT_EQ(first.shown->rows, 18'000);
    EXPECT_EQ(first.counter, 18'000);
    EXPECT_GE(first.tally.winnings - first.shown->winnings, 200'000)
        << "the prize is in the tally before the message";
    for (int n = 1; n <= 10; ++n) {
        EXPECT_NE(std::find(first.drawn.begin(), first.drawn.end(), n), first.drawn.end()) << n;
    }
    // The refresh at the next 1000th row takes the 10-hit label back into the level's figures.
    EXPECT_FALSE(outcome.last.jackpot);
    EXPECT_EQ(outcome.last.shown, outcome.last.tally);
    // The record keeps each jackpot's row and numbers, as its message showed them.
    const std::vector<JackpotRow> kept(outcome.record.jackpots().begin(),
                                       outcome.record.jackpots().end());
    EXPECT_EQ(kept, (std::vector<JackpotRow>{{18'954, first.drawn},
                                             {336'185, outcome.jackpots[1].drawn}}));
}

// One table, checked on every system the tests run on (Linux, and Windows under wine): a fixed
// seed and a clock that stands still draw the same series everywhere.
TEST(Series, AFixedSeriesIsTheSameOnEverySystem) {
    const struct {
        std::uint64_t seed;
        int level;
        std::int64_t rows;
        std::vector<std::int64_t> hits;
        std::int64_t winnings;
        Row drawn;
    } series[] = {
        {2026, 2, 200'000, {101775, 82522, 15703}, 109921, {39, 42, 26, 25, 7,  28, 68, 16, 18, 57,
                                                            51, 59, 50, 9,  19, 36, 69, 29, 65, 8}},
        {7, 6, 150'000, {18191, 48657, 49949, 25454, 6780, 924, 45}, 83174, {49, 21, 31, 14, 16,
                                                                             45, 38, 1,  57, 36,
                                                                             59, 37, 51, 43, 3,
                                                                             41, 69, 54, 20, 53}},
        {jackpotSeed,
         10,
         seriesRows,
         {10177, 50316, 103232, 115248, 77199, 33217, 8947, 1522, 135, 5, 2},
         561622,
         {32, 48, 39, 28, 16, 22, 50, 17, 1, 57, 37, 15, 42, 59, 66, 69, 56, 10, 63, 23}},
    };
    for (const auto& expected : series) {
        SCOPED_TRACE(testing::Message()
                     << "seed " << expected.seed << ", level " << expected.level);
        SeriesRig rig(2, expected.seed);
        const Tally tally =
            play(rig.series, playOfFirst(expected.level, true), {expected.rows}).last.tally;
        EXPECT_EQ(std::vector<std::int64_t>(
                      tally.hits.begin(),
                      tally.hits.begin() + static_cast<std::ptrdiff_t>(expected.level) + 1),
                  expected.hits);
        EXPECT_EQ(tally.winnings, expected.winnings);
        EXPECT_EQ(rig.series.snapshot().drawn, expected.drawn);
    }
}

// Start over drops the blocks drawn ahead and every count, but not the last row drawn nor what
// the level's labels show; the next series is new, and as repeatable as the first.
TEST(Series, StartOverWithBlocksQueuedBeginsANewSeries) {
    const auto twoSeries = [](unsigned workers) {
        SeriesRig rig(workers, 77);
        const Outcome first = play(rig.series, playOfFirst(10, true), {50'000});
        rig.series.startOver();
        const SeriesSnapshot cleared = rig.series.snapshot();
        EXPECT_EQ(cleared.tally, Tally{});
        EXPECT_EQ(cleared.counter, 0);
        EXPECT_FALSE(cleared.shown);
        EXPECT_EQ(cleared.drawn, first.last.drawn);
        EXPECT_EQ(rig.series.record(), SeriesRecord{});
        Outcome second = play(rig.series, playOfFirst(7), {50'000});
        EXPECT_EQ(second.passes.front(), 1000);  // counted from 0 again
        EXPECT_EQ(second.last.tally.rows, 50'000);
        EXPECT_FALSE(sameSeries(first, second)) << "the new series replays the last one";
        return second;
    };
    EXPECT_TRUE(sameSeries(twoSeries(1), twoSeries(8)));
}

// The pass that meets the row limit writes the row counter and announces it, and still draws
// one row; the series then ends. A stop at the message does not wait for that row, and going on
// meets the limit again.
TEST(Series, TheRowLimitEndsTheSeriesAfterOneMoreRow) {
    const struct {
        bool fast;
        bool stopAtMessage;
        std::vector<std::int64_t> passes;
        std::int64_t rows, counter, shown;
    } cases[] = {
        {false, false, {1000, 2000, 2500, 2501}, 2501, 2501, 2501},
        {true, false, {1000, 2000, 2500, 2501}, 2501, 2500, 2000},
        {false, true, {1000, 2000, 2500, 2501}, 2501, 2501, 2501},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "fast " << c.fast << ", stop " << c.stopAtMessage);
        SeriesRig rig(2, 2026, 2500);
        Series& series = rig.series;
        const Play play = playOfFirst(3, c.fast);
        series.begin(play);
        std::vector<std::int64_t> passes;
        std::vector<std::int64_t> counterAtMessages;
        while (series.drawing()) {
            const Progress progress = series.commit(Series::Deadline{});
            if (progress.announcement == Announcement::limit) {
                counterAtMessages.push_back(series.snapshot().counter);
                if (c.stopAtMessage && counterAtMessages.size() == 1) {
                    series.stop();
                    EXPECT_EQ(series.snapshot().tally.rows, 2500);
                    series.resume(play);
                }
            } else if (progress.tick != Tick::waiting) {
                passes.push_back(series.snapshot().tally.rows);
            }
        }
        const SeriesSnapshot end = series.snapshot();
        EXPECT_EQ(counterAtMessages,
                  std::vector<std::int64_t>(c.stopAtMessage ? 2 : 1, std::int64_t{2500}));
        EXPECT_EQ(passes, c.passes);
        EXPECT_EQ(end.tally.rows, c.rows);
        EXPECT_EQ(end.counter, c.counter);
        EXPECT_EQ(end.shown->rows, c.shown);
        EXPECT_EQ(series.commit(Series::Deadline::max()).tick, Tick::stopped);
    }
}

// A level outside 2..10 draws and counts rows but tallies nothing and shows no figures.
TEST(Series, ALevelOutsideTwoToTenCountsRowsOnly) {
    SeriesRig rig;
    Play play = playOfFirst(2);
    play.level = 1;
    rig.series.begin(play);
    drawTo(rig.series, 5000);
    rig.series.stop();
    const SeriesSnapshot s = rig.series.snapshot();
    EXPECT_EQ(s.tally.rows, 5000);
    EXPECT_EQ(s.tally.winnings, 0);
    EXPECT_EQ(std::accumulate(s.tally.hits.begin(), s.tally.hits.end(), std::int64_t{0}), 0);
    EXPECT_FALSE(s.shown);
    EXPECT_EQ(s.counter, 5000);
    EXPECT_NE(s.drawn, Row{});
}

TEST(Series, AMillionRowsAtLevelTwoPayBetween54And56Percent) {
    SeriesRig rig;
    rig.series.begin(playOfFirst(2, true));
    drawTo(rig.series, 1'000'000);
    const Tally tally = rig.series.snapshot().tally;
    EXPECT_EQ(tally.hits[0] + tally.hits[1] + tally.hits[2], tally.rows);
    EXPECT_GT(percentOf(tally.winnings, tally.rows), 54.0);
    EXPECT_LT(percentOf(tally.winnings, tally.rows), 56.0);
}

}  // namespace
}  // namespace zarno

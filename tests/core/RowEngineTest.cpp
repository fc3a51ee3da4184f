// The row engine behind the draw loop: what a series draws depends on the seed, the series and
// the clock only, never on the number of workers, their scheduling or where the user pauses.
#include "core/engine/RowEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "core/Simulator.h"
#include "core/text/ResultsText.h"
#include "doubles/Clocks.h"
#include "doubles/Rig.h"

namespace zarno {
namespace {

// Chosen so that level 10 with the numbers 1..10 hits 10 of 10 early, and twice.
constexpr std::uint64_t jackpotSeed = 58;  // jackpots at rows 18 954 and 336 185
constexpr std::int64_t seriesRows = 400'000;

// What the window showed when a jackpot was announced, beside what it should have shown.
struct JackpotSeen {
    std::int64_t row = 0;
    std::string shown;
    std::string expected;
};

// What a series leaves behind, and how it got there.
struct Outcome {
    SimulationState state;
    std::vector<std::string> messages;
    std::vector<std::int64_t> passes;  // Rows after each stretch
    std::vector<JackpotSeen> jackpots;
};

// Starts threads until `started` have started, then fails as a system out of threads does.
RowEngine::StartThread failingAfter(int started) {
    return [started, count = 0](std::function<void()> work) mutable {
        if (count++ == started) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::thread(std::move(work));
    };
}

// A series with the numbers 1..L, by default at level 10, in fast mode.
struct Series : test::Rig {
    explicit Series(unsigned workers, std::uint64_t seed = jackpotSeed, int level = 10,
                    const RowEngine::StartThread& start = {})
        : Rig(workers, seed, start) {
        window.setLevel(std::to_string(level));
        window.setNumbers({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        window.fastMode = 1;
        services.onMessage = [this] { outcome.jackpots.push_back(seeJackpot()); };
    }

    // The 10-hit label shows the jackpot's own row; the winnings label, its tooltip and the row
    // counter keep the last 1000th row's figures.
    JackpotSeen seeJackpot() const {
        const SimulationState& s = simulator.state();
        JackpotSeen seen{s.Rows};
        for (const LabelId label :
             {LabelId::hits(10, 10), LabelId::winnings(10), LabelId::rowCounter()}) {
            seen.shown += window.caption(label) + " | ";
        }
        seen.shown += window.toolTips[static_cast<std::size_t>(LabelId::winnings(10).index())];
        std::string text;
        writeHitsCaption(text, 10, 10, s.Hits(10)[10], s.Rows, Wording('.'));
        seen.expected = text + " | ";
        writeWinningsCaption(text, lastThousandth.Winnings, lastThousandth.Rows, Wording('.'));
        seen.expected += text + " | ";
        writeRowCounter(text, lastThousandth.Rows, Wording('.'));
        seen.expected += text + " | ";
        writeWinningsTip(text, 10, lastThousandth.Rows, Wording('.'));  // computed with its caption
        seen.expected += text;
        return seen;
    }

    // Draws until the series reaches each of `pauses` in turn, pausing and continuing there.
    Outcome play(std::vector<std::int64_t> pauses) {
        simulator.cmdAloitaArvonta_Click();
        for (std::size_t next = 0; next < pauses.size(); ++next) {
            if (next > 0) {
                simulator.cmdJatka_Click();
            }
            const SimulationState& s = simulator.state();
            while (s.Rows < pauses[next]) {
                if (simulator.tick(Simulator::Deadline{}) == Simulator::Tick::waiting) {
                    std::this_thread::yield();
                    continue;
                }
                outcome.passes.push_back(s.Rows);
                if (s.Rows % 1000 == 0) {
                    lastThousandth = s;
                }
            }
            simulator.cmdTauko_Click();
        }
        outcome.state = simulator.state();
        outcome.messages = services.messages;
        return outcome;
    }

    SimulationState lastThousandth;
    Outcome outcome;
};

bool sameSeries(const Outcome& a, const Outcome& b) {
    return a.state.Rows == b.state.Rows && a.state.hitCounts == b.state.hitCounts &&
           a.state.Winnings == b.state.Winnings && a.state.Drawn == b.state.Drawn &&
           a.messages == b.messages;
}

TEST(RowEngine, ASeriesIsTheSameWhateverTheWorkersAndThePauses) {
    const Outcome reference = Series(1).play({seriesRows});
    ASSERT_FALSE(reference.messages.empty()) << "the seed no longer gives an early jackpot";
    const struct {
        unsigned workers;
        std::vector<std::int64_t> pauses;
        int started = -1;  // threads that start before the system refuses more; -1 all
    } runs[] = {
        {2, {seriesRows}},
        {8, {seriesRows}},
        {1, {1, 73'500, 200'000, seriesRows}},
        {2, {999, 1000, 123'456, seriesRows}},
        {8, {reference.jackpots.front().row, seriesRows}},
        {4, {seriesRows}, 1},
        {2, {50'000, seriesRows}, 0},  // no worker at all: the ticks draw the rows themselves
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.workers << " workers (" << run.started << " start), "
                                        << run.pauses.size() << " pauses");
        Series series(run.workers, jackpotSeed, 10,
                      run.started < 0 ? RowEngine::StartThread{} : failingAfter(run.started));
        EXPECT_EQ(series.engine.workers(),
                  run.started < 0 ? run.workers : static_cast<unsigned>(run.started));
        EXPECT_TRUE(sameSeries(series.play(run.pauses), reference));
    }
}

// Every pass ends at a 1000th row or at a jackpot, and a jackpot shows its own row at once.
TEST(RowEngine, PassesEndAtThousandthRowsAndAtJackpots) {
    const Outcome outcome = Series(2).play({seriesRows});
    ASSERT_FALSE(outcome.jackpots.empty());
    for (const std::int64_t rows : outcome.passes) {
        const bool jackpot =
            std::any_of(outcome.jackpots.begin(), outcome.jackpots.end(),
                        [rows](const JackpotSeen& seen) { return seen.row == rows; });
        ASSERT_TRUE(rows % 1000 == 0 || jackpot) << rows;
    }
    const JackpotSeen& first = outcome.jackpots.front();
    ASSERT_GT(first.row % 1000, 0) << "pick a seed whose jackpot falls between 1000th rows";
    ASSERT_GT(first.row, 1000);
    EXPECT_EQ(first.shown, first.expected);
    // The row listed is the one with all ten numbers.
    const std::string message = outcome.messages.front() + "\r\n";
    for (int n = 1; n <= 10; ++n) {
        EXPECT_NE(message.find("\n" + std::to_string(n) + "\r"), std::string::npos) << n;
    }
}

// One table, checked on every system the tests run on (Linux, and Windows under wine): a fixed
// seed and a clock that stands still draw the same series everywhere.
TEST(RowEngine, AFixedSeriesIsTheSameOnEverySystem) {
    const struct {
        std::uint64_t seed;
        int level;
        std::int64_t rows;
        std::vector<std::int64_t> hits;
        std::int64_t winnings;
        SimulationState::Row drawn;
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
        const Outcome outcome = Series(2, expected.seed, expected.level).play({expected.rows});
        const auto hits = outcome.state.Hits(expected.level);
        EXPECT_EQ(std::vector<std::int64_t>(hits.begin(), hits.end()), expected.hits);
        EXPECT_EQ(outcome.state.Winnings, expected.winnings);
        EXPECT_EQ(outcome.state.Drawn, expected.drawn);
    }
}

// Start over drops the blocks drawn ahead; the next series is new, and as repeatable as the
// first.
TEST(RowEngine, StartOverWithBlocksQueuedBeginsANewSeries) {
    const auto twoSeries = [](unsigned workers) {
        Series s(workers, 77);
        const Outcome first = s.play({50'000});
        s.simulator.cmdReset_Click();
        Outcome second = s.play({50'000});
        EXPECT_EQ(second.state.Rows, 50'000);
        EXPECT_FALSE(sameSeries(first, second)) << "the new series replays the last one";
        return second;
    };
    EXPECT_TRUE(sameSeries(twoSeries(1), twoSeries(8)));
}

// Rows drawn ahead for another play are drawn again from the start of their block: the rows
// stay the same, only their hits change.
TEST(RowEngine, ResumingWithAnotherPlayKeepsTheRows) {
    test::ScriptedClock clock;
    Play first;
    first.level = 2;
    first.numbers = {1, 2};
    Play second = first;
    second.numbers = {3, 4};
    // Takes rows as they come; the prizes of each stretch are the difference of its sums.
    const auto take = [](RowEngine& engine, std::int64_t rows, SimulationState::Row& last) {
        std::vector<std::uint8_t> hits;
        while (rows > 0) {
            const auto ready = engine.ready(std::min<std::int64_t>(rows, 1000));
            if (ready.empty()) {
                continue;
            }
            const auto sums = engine.prizeSums(ready.size());
            std::uint32_t won = 0;
            for (const std::uint8_t h : ready) {
                won += static_cast<std::uint32_t>(prize(2, h));
            }
            EXPECT_EQ(sums.back() - sums.front(), won);
            hits.insert(hits.end(), ready.begin(), ready.end());
            engine.commit(ready.size(), last);
            rows -= static_cast<std::int64_t>(ready.size());
        }
        return hits;
    };
    SimulationState::Row switched{};
    SimulationState::Row straight{};
    RowEngine a(clock, 5, 2);
    a.beginSeries(first);
    take(a, 15'500, switched);
    a.resume(second);
    const auto afterSwitch = take(a, 9'500, switched);
    RowEngine b(clock, 5, 3);
    b.beginSeries(second);
    const auto all = take(b, 25'000, straight);
    EXPECT_EQ(switched, straight);
    EXPECT_TRUE(std::equal(afterSwitch.begin(), afterSwitch.end(), all.end() - 9'500));
}

}  // namespace
}  // namespace zarno

// The main window's rules: the plays that the entries make, and the run's states and transitions
// over a real series.
#include "core/rules/RunControl.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "doubles/SeriesRig.h"

namespace zarno {
namespace {

using test::SeriesRig;

Entries entered(std::optional<double> level, std::initializer_list<std::optional<double>> numbers,
                bool fast = false) {
    Entries entries{level};
    std::copy(numbers.begin(), numbers.end(), entries.numbers.begin());
    entries.fast = fast;
    return entries;
}

const Refusal missing{};
Refusal repeated(double number) {
    return {Refusal::Kind::numberRepeated, number};
}

TEST(Entries, ARefusalSaysWhatIsWrong) {
    const struct {
        const char* what;
        Entries entries;
        Refusal expected;
    } cases[] = {
        {"a box of the level empty", entered(3, {1, 2, {}}), missing},
        {"the level's value counts, not the boxes open", entered(4, {1, 2}), missing},
        {"level 10 asks for all ten", entered(10, {1, 2, 3, 4, 5, 6, 7, 8, 9, {}}), missing},
        {"2.5 asks for a third box", entered(2.5, {1, 2, {}}), missing},
        {"no level", entered({}, {1, 2}), missing},
        {"a level above ten", entered(11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), missing},
        {"a missing number before a repeat", entered(3, {5, 5, {}}), missing},
        {"a repeat at level 2", entered(2, {5, 5}), repeated(5)},
        {"the first box that repeats an earlier one", entered(10, {1, 2, 3, 9, 5, 6, 7, 8, 9, 3}),
         repeated(9)},
        {"the same number in every box", entered(10, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}), repeated(5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto play = playOf(c.entries);
        ASSERT_TRUE(std::holds_alternative<Refusal>(play));
        EXPECT_EQ(std::get<Refusal>(play), c.expected);
    }
}

// The level's whole part names the boxes played; their numbers hit when they can be drawn.
TEST(Entries, APlayTakesTheBoxesOfTheLevelsWholePart) {
    const struct {
        Entries entries;
        int level;
        std::array<int, numberBoxes> numbers;
    } cases[] = {
        {entered(2, {1, 70, 3}, true), 2, {1, 70}},
        {entered(2.9, {1, 2, 3}), 2, {1, 2}},  // the third box is asked for, not played
        {entered(10.5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {entered(3, {0, 71, 5.5}), 3, {}},  // none of them can be drawn
        {entered(-5, {}), -5, {}},
        {entered(0, {}), 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        const auto play = playOf(c.entries);
        ASSERT_TRUE(std::holds_alternative<Play>(play));
        EXPECT_EQ(std::get<Play>(play).level, c.level);
        EXPECT_EQ(std::get<Play>(play).numbers, c.numbers);
        EXPECT_EQ(std::get<Play>(play).fast, c.entries.fast);
    }
}

TEST(Entries, ALevelOpensItsBoxesAndOnlyAnExactLevelHasAFrame) {
    const struct {
        std::optional<double> level;
        int boxes;
        int frame;
    } cases[] = {
        {2, 2, 2},  {7, 7, 7}, {10, 10, 10}, {9.0, 9, 9}, {10.9, 10, 0}, {2.5, 2, 0},
        {{}, 0, 0}, {1, 1, 0}, {0, 0, 0},    {-3, 0, 0},  {11, 10, 0},   {70000, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level.value_or(-999));
        EXPECT_EQ(boxesFor(c.level), c.boxes);
        EXPECT_EQ(frameFor(c.level), c.frame);
    }
}

// Every event from every state: one the state does not take changes nothing at all, every state
// can be closed, and rows are drawn exactly while the run is running.
TEST(RunControl, EveryEventFromEveryState) {
    using S = RunState;
    const Entries entries = entered(3, {1, 2, 3});
    for (std::size_t from = 0; from < runStateCount; ++from) {
        for (std::size_t e = 0; e < runEventCount; ++e) {
            SCOPED_TRACE(testing::Message() << "state " << from << ", event " << e);
            SeriesRig rig(2, 2026, 2000);
            RunControl run(rig.series);
            const auto to = static_cast<S>(from);
            if (to != S::ready && to != S::closed) {
                run.apply(RunEvent::start, entries);
            }
            if (to == S::paused || to == S::cleared) {
                run.apply(RunEvent::pause);
            }
            if (to == S::cleared) {
                run.apply(RunEvent::startOver, entered(5, {}));
            }
            while (to == S::ended && run.state() != S::ended) {
                run.tick(Series::Deadline{});
            }
            if (to == S::closed) {
                run.apply(RunEvent::close);
            }
            ASSERT_EQ(run.state(), to);
            const auto event = static_cast<RunEvent>(e);
            const SeriesSnapshot before = rig.series.snapshot();
            const int boxes = run.boxes();
            const int frame = run.frame();
            run.apply(event, entered(7, {1, 2, 3, 4, 5, 6, 7}));
            const std::optional<S> next = nextState(to, event);
            EXPECT_EQ(run.state(), next.value_or(to));
            if (!next) {
                EXPECT_EQ(rig.series.snapshot(), before);
                EXPECT_EQ(run.boxes(), boxes);
                EXPECT_EQ(run.frame(), frame);
            }
            if (to == S::closed) {
                EXPECT_EQ(next.has_value(), event == RunEvent::close);
            }
            EXPECT_EQ(nextState(to, RunEvent::close), S::closed);
            EXPECT_EQ(rig.series.drawing(), run.state() == S::running);
        }
    }
}

// The boxes follow the level chosen while the play can change, and as it stands at a start
// over; a series shows the frame of the level it started on until it is started over.
TEST(RunControl, TheBoxesFollowTheLevelAndTheFrameTheSeries) {
    SeriesRig rig;
    RunControl run(rig.series);
    EXPECT_EQ(run.boxes(), 2);  // the level box starts at 2
    run.apply(RunEvent::chooseLevel, entered(10, {}));
    EXPECT_EQ(run.boxes(), 10);
    run.apply(RunEvent::start, entered(4, {1, 2, 3, 4}));
    EXPECT_EQ(run.frame(), 4);
    run.apply(RunEvent::pause);
    run.apply(RunEvent::chooseLevel, entered(9, {}));  // the level box is closed while paused
    EXPECT_EQ(run.boxes(), 10);
    run.apply(RunEvent::resume, entered(4, {1, 2, 3, 4}));
    EXPECT_EQ(run.frame(), 4);
    run.apply(RunEvent::pause);
    run.apply(RunEvent::startOver, entered(6.5, {}));
    EXPECT_EQ(run.boxes(), 6);
    EXPECT_EQ(run.frame(), 0);
}

// Letting the jackpots pass lasts through pauses and continues, until the series starts over or
// the program ends.
TEST(RunControl, LettingJackpotsPassLastsUntilStartOverOrClose) {
    for (const RunEvent ending : {RunEvent::startOver, RunEvent::close}) {
        SeriesRig rig;
        RunControl run(rig.series);
        run.apply(RunEvent::start, entered(2, {1, 2}));
        EXPECT_TRUE(run.jackpotsStop());
        run.letJackpotsPass();
        run.apply(RunEvent::pause);
        run.apply(RunEvent::resume, entered(2, {1, 2}));
        run.apply(RunEvent::pause);
        EXPECT_FALSE(run.jackpotsStop());
        run.apply(ending, entered(2, {}));
        EXPECT_TRUE(run.jackpotsStop());
    }
}

// A refused start changes nothing at all.
TEST(RunControl, ARefusedStartChangesNothing) {
    for (const Entries& entries : {entered(3, {1, 2}), entered(2, {8, 8})}) {
        SeriesRig rig;
        RunControl run(rig.series);
        EXPECT_TRUE(run.apply(RunEvent::start, entries));
        EXPECT_EQ(run.state(), RunState::ready);
        EXPECT_EQ(run.frame(), 0);
        EXPECT_FALSE(rig.series.drawing());
        EXPECT_EQ(rig.series.snapshot(), SeriesSnapshot{});
    }
}

// Workers that draw nothing: a tick finds no row ready and returns at once, and pausing or
// closing ends the run's wait, also the wait for the row limit's last row.
TEST(RunControl, EveryWaitForRowsEndsWithPauseOrClose) {
    const StartThread idleWorker = [](std::function<void()>) { return std::thread([] {}); };
    for (const std::int64_t limit : {rowLimit, std::int64_t{0}}) {
        for (const bool close : {false, true}) {
            SCOPED_TRACE(testing::Message() << "limit " << limit << ", close " << close);
            SeriesRig rig(1, 2026, limit, idleWorker);
            RunControl run(rig.series);
            run.apply(RunEvent::start, entered(2, {1, 2}));
            Progress progress = run.tick(Series::Deadline::max());
            EXPECT_EQ(progress.announcement, limit == 0 ? Announcement::limit : Announcement::none);
            EXPECT_EQ(run.tick(Series::Deadline::max()).tick, Tick::waiting);
            run.apply(close ? RunEvent::close : RunEvent::pause);
            EXPECT_EQ(run.tick(Series::Deadline::max()).tick, Tick::stopped);
            EXPECT_EQ(rig.series.snapshot().tally.rows, 0);
        }
    }
}

}  // namespace
}  // namespace zarno

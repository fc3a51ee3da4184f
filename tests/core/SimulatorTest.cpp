// The handlers and the draw loop against a window in memory, with rows from a real engine.
#include "core/Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/text/Texts.h"
#include "doubles/Rig.h"

namespace zarno {
namespace {

using test::FakeServices;
using test::FakeWindow;
using test::Rig;

std::int64_t histogramSum(const SimulationState& s, int level) {
    const auto counts = s.Hits(level);
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

class SimulatorTest : public ::testing::Test {
protected:
    SimulationState& state() { return rig.state(); }

    Rig rig;
    FakeWindow& window = rig.window;
    FakeServices& services = rig.services;
    Simulator& simulator = rig.simulator;
};

TEST_F(SimulatorTest, LoadLeavesTheWindowReady) {
    EXPECT_FALSE(state().StopRequested);
    EXPECT_TRUE(state().NewSeries);
    EXPECT_FALSE(state().ResetPending);
    EXPECT_EQ(state().Rows, 0);
    EXPECT_EQ(state().Winnings, 0);
    EXPECT_EQ(state().Drawn, SimulationState::Row{});
    EXPECT_FALSE(window.isEnabled(Control::cmdTauko));
    EXPECT_TRUE(window.isEnabled(Control::chkFast));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(window.isEnabled(numberBox(i)), i < 2) << i;
        const auto& items = window.items[FakeWindow::index(numberBox(i))];
        ASSERT_EQ(items.size(), 70u);
        for (int n = 1; n <= 70; ++n) {
            EXPECT_EQ(items[static_cast<std::size_t>(n - 1)], std::to_string(n));
        }
    }
}

// A refused start shows the message once and changes nothing at all.
TEST_F(SimulatorTest, StartIsRefusedWhenANumberOfTheLevelIsMissing) {
    const struct {
        std::string_view level;
        std::initializer_list<std::string_view> numbers;
    } refused[] = {
        {"3", {"1", "2", ""}},
        {"4", {"1", "2"}},  // the level's value counts, not which boxes are enabled
        {"10", {"1", "2", "3", "4", "5", "6", "7", "8", "9", ""}},
        {"2", {"1", "x"}},
        {"2.5", {"1", "2", ""}},  // 2.5 asks for a third box
        // texts that are no level: refused the same way instead of failing
        {"", {"1", "2"}},
        {"abc", {"1", "2"}},
        {"1e3", {"1", "2"}},
        {"11", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"99999", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(std::string(c.level));
        Rig fresh;
        fresh.play(c.level, c.numbers);
        const auto enabled = fresh.window.enabled;
        const auto visible = fresh.window.visible;
        fresh.simulator.cmdAloitaArvonta_Click();
        EXPECT_EQ(fresh.services.messages,
                  std::vector<std::string>{std::string(texts::numbersMissing)});
        EXPECT_EQ(fresh.state().Rows, 0);
        EXPECT_TRUE(fresh.state().NewSeries);
        EXPECT_EQ(fresh.window.enabled, enabled);
        EXPECT_EQ(fresh.window.visible, visible);
        EXPECT_FALSE(fresh.simulator.running());
    }
}

TEST_F(SimulatorTest, StartChecksOnlyTheBoxesOfTheLevel) {
    const struct {
        std::string_view level;
        std::initializer_list<std::string_view> numbers;
    } accepted[] = {
        {"2", {"1", "2", ""}},
        {"10.5", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"3", {"5", "5", "99"}},  // repeats and numbers outside 1..70 pass
        {"-5", {}},
        {"0", {}},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(std::string(c.level));
        Rig fresh;
        fresh.play(c.level, c.numbers);
        fresh.simulator.cmdAloitaArvonta_Click();
        fresh.pauseAt(1);
        EXPECT_TRUE(fresh.services.messages.empty());
        EXPECT_GE(fresh.state().Rows, 1);
    }
}

TEST_F(SimulatorTest, ALevelOutsideTwoToTenDrawsButTalliesNothing) {
    rig.play("-5", {});
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(5000);
    EXPECT_EQ(state().Rows, 5000);
    EXPECT_EQ(state().Winnings, 0);
    EXPECT_EQ(std::count(state().hitCounts.begin(), state().hitCounts.end(), 0), 63);
    EXPECT_NE(state().Drawn, SimulationState::Row{});
    for (int level = minLevel; level <= maxLevel; ++level) {
        EXPECT_FALSE(window.isVisible(levelFrame(level)));
    }
}

TEST_F(SimulatorTest, StartPutsTheWindowIntoItsDrawingStateInOrder) {
    rig.play("3", {"1", "2", "3"});
    window.logging = true;
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(1);
    const auto id = [](Control c) { return std::to_string(FakeWindow::index(c)); };
    std::vector<std::string> expected = {
        "enable " + id(Control::cmdAloitaArvonta) + " 0",
        "enable " + id(Control::cmbTaso) + " 0",
        "enable " + id(Control::cmdTauko) + " 1",
        "enable " + id(Control::chkFast) + " 0",
        "show " + id(levelFrame(3)) + " 1",
    };
    for (int j = 0; j < 10; ++j) {
        expected.push_back("enable " + id(numberBox(j)) + " 0");
    }
    // Then the pause, and the captions presented when the run has stopped: the level's labels
    // (winnings, then 3 hits down to 0), then the row counter.
    expected.push_back("enable " + id(Control::cmdAloitaArvonta) + " 0");
    expected.push_back("show " + id(Control::cmdJatka) + " 1");
    expected.push_back("show " + id(Control::cmdTauko) + " 0");
    expected.push_back("show " + id(Control::cmdReset) + " 1");
    for (const LabelId label : {LabelId::winnings(3), LabelId::hits(3, 3), LabelId::hits(3, 2),
                                LabelId::hits(3, 1), LabelId::hits(3, 0), LabelId::rowCounter()}) {
        expected.push_back("caption " + std::to_string(label.index()));
    }
    EXPECT_EQ(window.log, expected);
    EXPECT_FALSE(state().NewSeries);
}

TEST_F(SimulatorTest, PauseStopsAfterTheStretchInProgress) {
    rig.play("5", {"1", "2", "3", "4", "5"});
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(7777);
    EXPECT_EQ(state().Rows, 8000);  // the stretch in progress ends at the next 1000th row
    EXPECT_EQ(histogramSum(state(), 5), 8000);
    EXPECT_TRUE(state().StopRequested);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "8 000");
    // Nothing is enabled again when the loop ends.
    EXPECT_FALSE(window.isEnabled(Control::cmdAloitaArvonta));
    EXPECT_FALSE(window.isEnabled(Control::cmbTaso));
    EXPECT_FALSE(window.isEnabled(Control::chkFast));
    EXPECT_FALSE(window.isEnabled(numberBox(0)));
}

TEST_F(SimulatorTest, PauseBeforeTheFirstStartChangesNothing) {
    const auto enabled = window.enabled;
    const auto visible = window.visible;
    simulator.cmdTauko_Click();
    EXPECT_FALSE(state().StopRequested);
    EXPECT_EQ(window.enabled, enabled);
    EXPECT_EQ(window.visible, visible);
}

TEST_F(SimulatorTest, ContinueGoesOnFromThePausedTallies) {
    rig.play("4", {"1", "2", "3", "4"});
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(3000);
    const std::int64_t winnings = state().Winnings;
    const auto counts = state().hitCounts;
    window.logging = true;
    simulator.cmdJatka_Click();
    rig.pauseAt(25000);
    EXPECT_EQ(state().Rows, 25000);
    EXPECT_EQ(histogramSum(state(), 4), 25000);
    EXPECT_GE(state().Winnings, winnings);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        EXPECT_GE(state().hitCounts[i], counts[i]);
    }
    // The frame is not shown again.
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(),
                         "show " + std::to_string(FakeWindow::index(levelFrame(4))) + " 1"),
              0);
    EXPECT_TRUE(window.isVisible(levelFrame(4)));
}

// A pause and a continue handled together, with no tick between them, leave the run going on
// from the same row, and every row is counted once.
TEST_F(SimulatorTest, APauseAndAContinueTogetherKeepDrawing) {
    rig.play("2", {"1", "2"});
    simulator.cmdAloitaArvonta_Click();
    test::drawTo(simulator, 10000);
    simulator.cmdTauko_Click();
    simulator.cmdJatka_Click();
    EXPECT_TRUE(simulator.running());
    EXPECT_EQ(state().Rows, 10000);
    rig.pauseAt(30000);
    EXPECT_EQ(state().Rows, 30000);
    EXPECT_EQ(histogramSum(state(), 2), 30000);
    EXPECT_FALSE(simulator.running());
}

TEST_F(SimulatorTest, StartOverZeroesTheSeriesOnceAndTwice) {
    rig.play("6", {"1", "2", "3", "4", "5", "6"});
    window.fastMode = 1;
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(2500);
    const auto frameCaption = window.caption(LabelId::hits(6, 0));
    const auto drawn = state().Drawn;
    for (int times = 1; times <= 2; ++times) {
        SCOPED_TRACE(times);
        simulator.cmdReset_Click();
        EXPECT_TRUE(state().StopRequested);
        EXPECT_TRUE(state().NewSeries);
        EXPECT_TRUE(state().ResetPending);
        EXPECT_EQ(state().Rows, 0);
        EXPECT_EQ(state().Winnings, 0);
        EXPECT_EQ(std::count(state().hitCounts.begin(), state().hitCounts.end(), 0), 63);
        EXPECT_EQ(state().Drawn, drawn);
        EXPECT_EQ(window.caption(LabelId::rowCounter()), "0");
        EXPECT_EQ(window.caption(LabelId::hits(6, 0)), frameCaption);
        EXPECT_FALSE(window.isVisible(levelFrame(6)));
        EXPECT_TRUE(window.isEnabled(Control::cmdAloitaArvonta));
        EXPECT_TRUE(window.isEnabled(Control::cmbTaso));
        EXPECT_TRUE(window.isEnabled(Control::chkFast));
        EXPECT_TRUE(window.isVisible(Control::cmdTauko));
        EXPECT_FALSE(window.isEnabled(Control::cmdTauko));
        EXPECT_FALSE(window.isVisible(Control::cmdJatka));
        EXPECT_TRUE(window.isVisible(Control::cmdReset));
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(window.isEnabled(numberBox(i)), i < 6);
        }
    }
}

TEST_F(SimulatorTest, TheFirstStartAfterStartOverBeginsANewSeries) {
    rig.play("4", {"1", "2", "3", "4", "5", "6", "7"});
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(4000);
    simulator.cmdReset_Click();
    window.setLevel("7");
    simulator.cmdAloitaArvonta_Click();
    EXPECT_FALSE(window.isVisible(Control::cmdReset));
    EXPECT_FALSE(state().ResetPending);
    EXPECT_FALSE(state().StopRequested);
    test::drawTo(simulator, 1);
    EXPECT_EQ(state().Rows, 1000);  // counted from 0 again
    rig.pauseAt(15000);
    EXPECT_TRUE(window.isVisible(levelFrame(7)));
    EXPECT_FALSE(window.isVisible(levelFrame(4)));
    EXPECT_EQ(state().Rows, 15000);
    EXPECT_EQ(histogramSum(state(), 4), 0);
    EXPECT_EQ(histogramSum(state(), 7), 15000);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "15 000");
}

TEST_F(SimulatorTest, TheRowLimitStopsAfterCompletingItsPass) {
    rig.play("2", {"1", "2"});
    state().Rows = 3'999'999'998;
    std::string counterAtMessage;
    std::int64_t rowsAtMessage = 0;
    services.onMessage = [&] {
        counterAtMessage = window.caption(LabelId::rowCounter());
        // The message box runs an event loop of its own; a tick there commits nothing.
        EXPECT_EQ(simulator.tick(Simulator::Deadline::max()), Simulator::Tick::waiting);
        rowsAtMessage = state().Rows;
    };
    simulator.cmdAloitaArvonta_Click();
    std::vector<std::int64_t> passes;
    while (simulator.running()) {
        if (simulator.tick(Simulator::Deadline{}) != Simulator::Tick::waiting) {
            passes.push_back(state().Rows);
        }
    }
    simulator.presentResults();
    EXPECT_EQ(services.messages, std::vector<std::string>{std::string(texts::rowLimitReached)});
    EXPECT_EQ(counterAtMessage, "4 000 000 000");
    EXPECT_EQ(rowsAtMessage, 4'000'000'000);
    // A stretch ends at the limit; the message's pass commits one more row, then the run ends.
    EXPECT_EQ(passes, (std::vector<std::int64_t>{4'000'000'000, 4'000'000'001}));
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "4 000 000 001");
    EXPECT_TRUE(state().StopRequested);
    EXPECT_EQ(histogramSum(state(), 2), 3);
    // The controls stay in the drawing state; pause then leads to Paused.
    EXPECT_TRUE(window.isEnabled(Control::cmdTauko));
    EXPECT_FALSE(window.isEnabled(Control::cmdAloitaArvonta));
    simulator.cmdTauko_Click();
    EXPECT_TRUE(window.isVisible(Control::cmdJatka));
}

// Workers that draw nothing: a tick finds no row ready and returns at once, and pausing,
// starting over or quitting ends the run's wait, also the wait for the row limit's last row.
TEST(SimulatorWaits, EveryWaitForRowsEndsWithPauseStartOverOrQuit) {
    const RowEngine::StartThread idleWorker = [](std::function<void()>) {
        return std::thread([] {});
    };
    const struct {
        const char* name;
        std::int64_t rows;  // where the series stands at the start
        void (Simulator::*handler)();
    } cases[] = {
        {"pause", 0, &Simulator::cmdTauko_Click},
        {"start over", 0, &Simulator::cmdReset_Click},
        {"quit", 0, &Simulator::cmdExit_Click},
        {"pause at the limit", 4'000'000'000, &Simulator::cmdTauko_Click},
        {"start over at the limit", 4'000'000'000, &Simulator::cmdReset_Click},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(1, 2026, idleWorker);
        rig.play("2", {"1", "2"});
        rig.state().Rows = c.rows;
        rig.simulator.cmdAloitaArvonta_Click();
        EXPECT_EQ(rig.simulator.tick(Simulator::Deadline::max()), Simulator::Tick::waiting);
        EXPECT_EQ(rig.services.messages.size(), c.rows > 0 ? 1u : 0u);
        (rig.simulator.*c.handler)();
        EXPECT_FALSE(rig.simulator.running());
        EXPECT_EQ(rig.simulator.tick(Simulator::Deadline::max()), Simulator::Tick::stopped);
    }
}

TEST_F(SimulatorTest, QuitEndsTheProgramWithoutAnotherRow) {
    rig.play("3", {"1", "2", "3"});
    simulator.cmdAloitaArvonta_Click();
    test::drawTo(simulator, 3000);
    simulator.cmdExit_Click();
    EXPECT_EQ(services.ends, 1);
    EXPECT_EQ(simulator.tick(Simulator::Deadline::max()), Simulator::Tick::stopped);
    EXPECT_EQ(state().Rows, 3000);
}

TEST_F(SimulatorTest, LevelChoiceEnablesExactlyItsBoxes) {
    const struct {
        std::string_view level;
        int enabled;
    } cases[] = {
        {"2", 2},
        {"7", 7},
        {"10", 10},
        {"10.9", 10},
        {"2.5", 2},
        // typed texts that are no list entry
        {"", 0},
        {"abc", 0},
        {"1", 1},
        {"0", 0},
        {"-3", 0},
        {"11", 10},
        {"1e9", 0},
        {"70000", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.level));
        window.setLevel(c.level);
        simulator.cmbTaso_Click();
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(window.isEnabled(numberBox(i)), i < c.enabled) << i;
        }
    }
}

TEST_F(SimulatorTest, FramesMatchOnlyAnExactLevel) {
    for (const auto level : {"2.5", "11", "-2", "x"}) {
        window.setLevel(level);
        simulator.ShowLevelPanel();
    }
    for (int l = minLevel; l <= maxLevel; ++l) {
        EXPECT_FALSE(window.isVisible(levelFrame(l)));
    }
    window.setLevel("9.0");
    simulator.ShowLevelPanel();
    EXPECT_TRUE(window.isVisible(levelFrame(9)));
    EXPECT_EQ(std::count(window.visible.begin() + FakeWindow::index(Control::frmZarno2),
                         window.visible.end(), true),
              1);
    simulator.HideLevelPanel();
    EXPECT_FALSE(window.isVisible(levelFrame(9)));
}

// Fast mode as it stood when the run started decides: every 1000th row refreshes, and a value
// other than 0 or 1 refreshes nothing.
TEST_F(SimulatorTest, FastModeRefreshesEveryThousandthRowAndOtherValuesNothing) {
    rig.play("2", {"1", "2"});
    window.fastMode = 1;
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(2000);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "2 000");
    EXPECT_EQ(window.caption(LabelId::hits(2, 0)).substr(0, 16), "0 oikein (kpl): ");
    window.fastMode = 2;
    const int writes = window.captionWrites;
    simulator.cmdJatka_Click();
    rig.pauseAt(5000);
    EXPECT_EQ(state().Rows, 5000);
    EXPECT_EQ(window.captionWrites, writes);
}

TEST_F(SimulatorTest, ManyRowsAtLevelTwoPayBetween54And56Percent) {
    rig.play("2", {"17", "53"});
    window.fastMode = 1;
    simulator.cmdAloitaArvonta_Click();
    rig.pauseAt(1'000'000);
    const double payout =
        static_cast<double>(state().Winnings) / static_cast<double>(state().Rows) * 100;
    EXPECT_GT(payout, 54.0);
    EXPECT_LT(payout, 56.0);
}

}  // namespace
}  // namespace zarno

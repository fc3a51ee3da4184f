// The handlers and the draw loop against a window in memory.
#include "Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "FakeWindow.h"
#include "ScriptedRandom.h"

namespace zarno {
namespace {

using test::FakeWindow;
using test::ProgramEnded;
using test::ScriptedClock;

constexpr std::string_view numbersMissing = "Anna kaikki numerot.";

class SimulatorTest : public ::testing::Test {
protected:
    SimulatorTest() { simulator.Form_Load(); }

    SimulationState& state() { return simulator.state(); }

    void play(std::string_view level, std::initializer_list<std::string_view> numbers) {
        window.setLevel(level);
        window.setNumbers(numbers);
    }
    void pauseAtRow(std::int64_t row) {
        window.onPump = [this, row] {
            if (state().Rows == row) {
                simulator.cmdTauko_Click();
            }
        };
    }
    std::int64_t histogramSum(int level) {
        const auto counts = state().Hits(level);
        return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
    }

    ScriptedClock clock;
    RandomNumbers random{clock, 2026};
    FakeWindow window;
    Simulator simulator{window, random, '.'};
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
        FakeWindow fresh;
        Simulator refusing(fresh, random, '.');
        refusing.Form_Load();
        fresh.setLevel(c.level);
        fresh.setNumbers(c.numbers);
        const auto enabled = fresh.enabled;
        const auto visible = fresh.visible;
        const auto before = refusing.state().hitCounts;
        refusing.cmdAloitaArvonta_Click();
        EXPECT_EQ(fresh.messages, std::vector<std::string>{std::string(numbersMissing)});
        EXPECT_EQ(refusing.state().Rows, 0);
        EXPECT_TRUE(refusing.state().NewSeries);
        EXPECT_EQ(refusing.state().hitCounts, before);
        EXPECT_EQ(fresh.enabled, enabled);
        EXPECT_EQ(fresh.visible, visible);
        EXPECT_EQ(fresh.pumps, 0);
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
        FakeWindow fresh;
        Simulator starting(fresh, random, '.');
        starting.Form_Load();
        fresh.setLevel(c.level);
        fresh.setNumbers(c.numbers);
        fresh.onPump = [&] {
            if (starting.state().Rows == 3) {
                starting.cmdTauko_Click();
            }
        };
        starting.cmdAloitaArvonta_Click();
        EXPECT_TRUE(fresh.messages.empty());
        EXPECT_EQ(starting.state().Rows, 3);
    }
}

TEST_F(SimulatorTest, ALevelOutsideTwoToTenDrawsButTalliesNothing) {
    play("-5", {});
    pauseAtRow(50);
    simulator.cmdAloitaArvonta_Click();
    EXPECT_EQ(state().Rows, 50);
    EXPECT_EQ(state().Winnings, 0);
    EXPECT_EQ(std::count(state().hitCounts.begin(), state().hitCounts.end(), 0), 63);
    for (int level = minLevel; level <= maxLevel; ++level) {
        EXPECT_FALSE(window.isVisible(levelFrame(level)));
    }
}

TEST_F(SimulatorTest, StartPutsTheWindowIntoItsDrawingStateInOrder) {
    play("3", {"1", "2", "3"});
    window.logging = true;
    pauseAtRow(1);
    simulator.cmdAloitaArvonta_Click();
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
    // The row: the level's labels (winnings, then 3 hits down to 0), pumping, the row counter.
    for (const LabelId label : {LabelId::winnings(3), LabelId::hits(3, 3), LabelId::hits(3, 2),
                                LabelId::hits(3, 1), LabelId::hits(3, 0)}) {
        expected.push_back("caption " + std::to_string(label.index()));
    }
    expected.push_back("pump");
    // Pause runs inside the pumping.
    expected.push_back("enable " + id(Control::cmdAloitaArvonta) + " 0");
    expected.push_back("show " + id(Control::cmdJatka) + " 1");
    expected.push_back("show " + id(Control::cmdTauko) + " 0");
    expected.push_back("show " + id(Control::cmdReset) + " 1");
    expected.push_back("caption 0");
    EXPECT_EQ(window.log, expected);
    EXPECT_FALSE(state().NewSeries);
}

TEST_F(SimulatorTest, PauseStopsAfterTheRowInProgress) {
    play("5", {"1", "2", "3", "4", "5"});
    pauseAtRow(777);
    simulator.cmdAloitaArvonta_Click();
    EXPECT_EQ(state().Rows, 777);
    EXPECT_EQ(window.pumps, 777);  // one pumping per row scored
    EXPECT_EQ(histogramSum(5), 777);
    EXPECT_TRUE(state().StopRequested);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "777");  // written after the pumping
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
    play("4", {"1", "2", "3", "4"});
    pauseAtRow(100);
    simulator.cmdAloitaArvonta_Click();
    const std::int64_t winnings = state().Winnings;
    const auto counts = state().hitCounts;
    window.logging = true;
    pauseAtRow(250);
    simulator.cmdJatka_Click();
    EXPECT_EQ(state().Rows, 250);
    EXPECT_EQ(histogramSum(4), 250);
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

// A continue handled in the same pumping as the pause nests a loop in the suspended one; the
// next pause ends both, and every row is counted once.
TEST_F(SimulatorTest, ContinueInsideThePausesPumpingNestsOneLoop) {
    play("2", {"1", "2"});
    int depth = 0;
    int deepest = 0;
    window.onPump = [&] {
        if (state().Rows == 10) {
            simulator.cmdTauko_Click();
            ++depth;
            deepest = std::max(deepest, depth);
            simulator.cmdJatka_Click();  // returns at the next pause
            --depth;
        } else if (state().Rows == 30) {
            simulator.cmdTauko_Click();
        }
    };
    simulator.cmdAloitaArvonta_Click();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(state().Rows, 30);
    EXPECT_EQ(window.pumps, 30);
    EXPECT_EQ(histogramSum(2), 30);
    EXPECT_TRUE(state().StopRequested);
}

TEST_F(SimulatorTest, StartOverZeroesTheSeriesOnceAndTwice) {
    play("6", {"1", "2", "3", "4", "5", "6"});
    window.fastMode = 1;
    pauseAtRow(2500);
    simulator.cmdAloitaArvonta_Click();
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
    play("4", {"1", "2", "3", "4", "5", "6", "7"});
    pauseAtRow(40);
    simulator.cmdAloitaArvonta_Click();
    simulator.cmdReset_Click();
    window.setLevel("7");
    std::int64_t firstRow = 0;
    bool resetHidden = false;
    window.onPump = [&] {
        if (firstRow == 0) {
            firstRow = state().Rows;
            resetHidden = !window.isVisible(Control::cmdReset) && !state().ResetPending &&
                          !state().StopRequested;
        }
        if (state().Rows == 15) {
            simulator.cmdTauko_Click();
        }
    };
    simulator.cmdAloitaArvonta_Click();
    EXPECT_EQ(firstRow, 1);
    EXPECT_TRUE(resetHidden);
    EXPECT_TRUE(window.isVisible(levelFrame(7)));
    EXPECT_FALSE(window.isVisible(levelFrame(4)));
    EXPECT_EQ(state().Rows, 15);
    EXPECT_EQ(histogramSum(4), 0);
    EXPECT_EQ(histogramSum(7), 15);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "15");
}

TEST_F(SimulatorTest, TheRowLimitStopsAfterCompletingItsPass) {
    play("2", {"1", "2"});
    state().Rows = 3'999'999'998;
    std::string counterAtMessage;
    window.onMessage = [&] { counterAtMessage = window.caption(LabelId::rowCounter()); };
    simulator.cmdAloitaArvonta_Click();
    EXPECT_EQ(window.messages, std::vector<std::string>{"Arvonta lopetettu (alkaa jo riittämään)"});
    EXPECT_EQ(counterAtMessage, "4 000 000 000");
    EXPECT_EQ(state().Rows, 4'000'000'001);  // one more row, then the loop ends
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "4 000 000 001");
    EXPECT_TRUE(state().StopRequested);
    EXPECT_EQ(histogramSum(2), 3);
    // The controls stay in the drawing state; pause then leads to Paused.
    EXPECT_TRUE(window.isEnabled(Control::cmdTauko));
    EXPECT_FALSE(window.isEnabled(Control::cmdAloitaArvonta));
    simulator.cmdTauko_Click();
    EXPECT_TRUE(window.isVisible(Control::cmdJatka));
}

TEST_F(SimulatorTest, QuitEndsTheProgramWithoutAnotherRow) {
    play("3", {"1", "2", "3"});
    window.onPump = [this] {
        if (state().Rows == 3) {
            simulator.cmdExit_Click();
        }
    };
    EXPECT_THROW(simulator.cmdAloitaArvonta_Click(), ProgramEnded);
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(state().Rows, 3);
    EXPECT_EQ(window.pumps, 3);
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

TEST_F(SimulatorTest, FastModeRuleIsDecidedAfreshBeforeAndAfterThePumping) {
    play("2", {"1", "2"});
    window.fastMode = 1;
    // Fast mode is switched off by the pumping of row 5: the row counter of row 5 follows at
    // once, the level's labels from row 6 on.
    window.onPump = [this] {
        if (state().Rows == 5) {
            window.fastMode = 0;
        } else if (state().Rows == 6) {
            simulator.cmdTauko_Click();
        }
    };
    window.logging = true;
    simulator.cmdAloitaArvonta_Click();
    const auto firstCaption = std::find_if(window.log.begin(), window.log.end(), [](const auto& e) {
        return e.rfind("caption", 0) == 0;
    });
    ASSERT_NE(firstCaption, window.log.end());
    EXPECT_EQ(*firstCaption, "caption 0");  // the row counter of row 5
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "pump"), 6);
    EXPECT_EQ(window.caption(LabelId::rowCounter()), "6");
    EXPECT_EQ(window.caption(LabelId::hits(2, 0)).substr(0, 16), "0 oikein (kpl): ");
    // A value other than 0 or 1 refreshes nothing.
    window.fastMode = 2;
    const int writes = window.captionWrites;
    state().Rows = 1999;
    pauseAtRow(2001);
    simulator.cmdJatka_Click();
    EXPECT_EQ(window.captionWrites, writes);
}

TEST_F(SimulatorTest, ManyRowsAtLevelTwoPayBetween54And56Percent) {
    play("2", {"17", "53"});
    window.fastMode = 1;
    pauseAtRow(1'000'000);
    simulator.cmdAloitaArvonta_Click();
    const double payout =
        static_cast<double>(state().Winnings) / static_cast<double>(state().Rows) * 100;
    EXPECT_GT(payout, 54.0);
    EXPECT_LT(payout, 56.0);
}

}  // namespace
}  // namespace zarno

// The run controls on real widgets: the four window states, pause and quit during a real run,
// continue, start over and the row limit.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <numeric>

#include "gui/Captions.h"
#include "gui/GuiHarness.h"

namespace zarno::test {
namespace {

// One letter per control: E visible and enabled, D visible and disabled, h hidden (enabled),
// H hidden and disabled.
QString stateOf(QWidget* w) {
    if (w->isVisibleTo(w->window())) {
        return w->isEnabled() ? "E" : "D";
    }
    return w->isEnabled() ? "h" : "H";
}

// The run state as the user sees it, plus the flags behind it.
QString describe(Harness& h) {
    Zarno& w = h.window;
    QStringList boxes;
    for (int i = 0; i < 10; ++i) {
        if (w.numberBox(i)->isEnabled()) {
            boxes << QString::number(i);
        }
    }
    QStringList frames;
    for (int level = 2; level <= 10; ++level) {
        if (w.frmZarno(level)->isVisibleTo(&w)) {
            frames << QString::number(level);
        }
    }
    const auto flag = [](bool f) { return f ? "1" : "0"; };
    const SimulationState& s = h.state();
    return QStringLiteral(
               "start:%1 pause:%2 cont:%3 reset:%4 exit:%5 level:%6 fast:%7 boxes:%8 "
               "frames:%9 flags:%10%11%12")
        .arg(stateOf(w.button(Control::cmdAloitaArvonta)), stateOf(w.button(Control::cmdTauko)),
             stateOf(w.button(Control::cmdJatka)), stateOf(w.button(Control::cmdReset)),
             stateOf(w.findChild<QPushButton*>("cmdExit")), stateOf(w.comboBox(Control::cmbTaso)),
             stateOf(w.checkBox(Control::chkFast)), boxes.isEmpty() ? "-" : boxes.join(","),
             frames.isEmpty() ? "-" : frames.join(","))
        .arg(flag(s.StopRequested), flag(s.NewSeries), flag(s.ResetPending));
}

// Plays a script of user actions, one after the other. After a start the test waits until the
// window's own ticks have drawn rows, as they do between a user's clicks.
class Script {
public:
    Script(Harness& h, QStringList steps) : h_(h), steps_(steps.begin(), steps.end()) {}

    void run() {
        while (!steps_.empty()) {
            take();
        }
    }
    QStringList snapshots;

private:
    void take() {
        const QString step = steps_.front();
        steps_.pop_front();
        Zarno& w = h_.window;
        if (step.startsWith("level:")) {
            choose(w.comboBox(Control::cmbTaso), step.mid(6));
        } else if (step.startsWith("numbers:")) {
            const int count = step.mid(8).toInt();
            for (int i = 0; i < count; ++i) {
                choose(w.numberBox(i), QString::number(i + 1));
            }
        } else if (step == "start") {
            h_.click(Control::cmdAloitaArvonta);
            QTRY_VERIFY(h_.state().Rows > 0 || !h_.simulator().running());
        } else if (step == "pause") {
            h_.click(Control::cmdTauko);
        } else if (step == "continue") {
            h_.click(Control::cmdJatka);
        } else if (step == "reset") {
            h_.click(Control::cmdReset);
        } else if (step == "pause+continue") {  // handled together, with no tick between them
            h_.click(Control::cmdTauko);
            h_.click(Control::cmdJatka);
        } else if (step == "pauseHandler") {
            h_.simulator().cmdTauko_Click();  // the handler itself, whatever the button's state
        } else if (step == "snap") {
            snapshots << describe(h_);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

    Harness& h_;
    std::deque<QString> steps_;
};

const QString ready =
    "start:E pause:D cont:h reset:h exit:E level:E fast:E boxes:0,1 frames:- "
    "flags:010";
const QString running =
    "start:D pause:E cont:h reset:h exit:E level:D fast:D boxes:- frames:3 "
    "flags:000";
const QString paused =
    "start:D pause:h cont:E reset:E exit:E level:D fast:D boxes:- frames:3 "
    "flags:100";
const QString cleared =
    "start:E pause:D cont:h reset:E exit:E level:E fast:E boxes:0,1,2 "
    "frames:- flags:111";

std::int64_t histogramSum(const SimulationState& s, int level) {
    const auto counts = s.Hits(level);
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void pauseClickedDuringARealRun();
    void endingDuringARealRunDrawsNoFurtherRow_data();
    void endingDuringARealRunDrawsNoFurtherRow();
    void closingAnIdleWindowEndsTheProgram();
    void continueKeepsTheTallies();
    void startOverZeroesTheSeriesAndKeepsTheNumbers();
    void aNewLevelAfterStartOverTalliesOnlyItself();
    void rowLimitStopsWithItsMessage();
    void aMillionRowsAtLevelTwoPayAboutFiftyFivePercent();
};

void RunTest::transitions_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("after load") << QStringList{"snap"} << ready;
    QTest::newRow("a level chosen")
        << QStringList{"level:3", "snap"} << QString(ready).replace("boxes:0,1", "boxes:0,1,2");
    QTest::newRow("pause handler before any start") << QStringList{"pauseHandler", "snap"} << ready;
    QTest::newRow("start with a number missing")
        << QStringList{"level:3", "numbers:2", "start", "snap"}
        << QString(ready).replace("boxes:0,1", "boxes:0,1,2");
    QTest::newRow("start") << QStringList{"level:3", "numbers:3", "start", "snap", "pause"}
                           << running;
    QTest::newRow("pause") << QStringList{"level:3", "numbers:3", "start", "pause", "snap"}
                           << paused;
    QTest::newRow("continue") << QStringList{"level:3",  "numbers:3", "start", "pause",
                                             "continue", "snap",      "pause"}
                              << running;
    QTest::newRow("pause after continue")
        << QStringList{"level:3", "numbers:3", "start", "pause", "continue", "pause", "snap"}
        << paused;
    QTest::newRow("start over") << QStringList{"level:3", "numbers:3", "start",
                                               "pause",   "reset",     "snap"}
                                << cleared;
    QTest::newRow("start over twice")
        << QStringList{"level:3", "numbers:3", "start", "pause", "reset", "reset", "snap"}
        << cleared;
    QTest::newRow("start after start over")
        << QStringList{"level:3", "numbers:3", "start", "pause", "reset", "start", "snap", "pause"}
        << running;
    QTest::newRow("a pause and a continue together")
        << QStringList{"level:3", "numbers:3", "start", "pause+continue", "snap"} << running;
}

void RunTest::transitions() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Harness h;
    Script script(h, steps);
    script.run();
    QVERIFY(!script.snapshots.isEmpty());
    QCOMPARE(script.snapshots.last(), expected);
    // Pause and continue are never visible together, and quit is always usable.
    for (const QString& snapshot : script.snapshots) {
        QVERIFY(!(snapshot.contains("pause:E") && snapshot.contains("cont:E")));
        QVERIFY(snapshot.contains("exit:E"));
    }
    if (steps.contains("start") && steps.indexOf("numbers:2") < 0) {
        QCOMPARE(histogramSum(h.state(), 3), h.state().Rows);
    }
    if (steps.indexOf("numbers:2") >= 0) {
        QCOMPARE(h.messages(), QStringList{"Anna kaikki numerot."});
        QCOMPARE(h.state().Rows, 0);
    }
}

// The window's own ticks draw; a click on pause stops the run at once, and no row follows it.
void RunTest::pauseClickedDuringARealRun() {
    Harness h;
    playLevel(h.window, 4);
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(h.state().Rows >= 100'000);
    h.click(Control::cmdTauko);
    const std::int64_t rowsWhenClicked = h.state().Rows;
    QTest::qWait(50);
    QCOMPARE(h.state().Rows, rowsWhenClicked);
    QCOMPARE(histogramSum(h.state(), 4), h.state().Rows);
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(),
             expectedCaptions(h.state(), 4).rowCounter);
    QVERIFY(h.button(Control::cmdJatka)->isVisible());
    QVERIFY(!h.button(Control::cmdTauko)->isVisible());
}

void RunTest::endingDuringARealRunDrawsNoFurtherRow_data() {
    QTest::addColumn<bool>("quit");  // else the window is closed
    QTest::newRow("quit") << true;
    QTest::newRow("close") << false;
}

void RunTest::endingDuringARealRunDrawsNoFurtherRow() {
    QFETCH(bool, quit);
    Harness h;
    playLevel(h.window, 2);
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(h.state().Rows > 0);
    if (quit) {
        QTest::mouseClick(h.window.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
    } else {
        h.window.close();
    }
    const std::int64_t rowsAtEnd = h.state().Rows;
    QTest::qWait(50);
    QCOMPARE(h.services.ends, 1);
    QCOMPARE(h.state().Rows, rowsAtEnd);
}

void RunTest::closingAnIdleWindowEndsTheProgram() {
    Harness idle;
    idle.window.close();
    QCOMPARE(idle.services.ends, 1);
}

void RunTest::continueKeepsTheTallies() {
    Harness h;
    Script script(h, {"level:3", "numbers:3", "start", "pause"});
    script.run();
    const std::int64_t rows = h.state().Rows;
    const std::int64_t winnings = h.state().Winnings;
    const auto counts = h.state().hitCounts;
    h.simulator().cmdJatka_Click();
    QVERIFY(h.window.frmZarno(3)->isVisible());
    drawTo(h.simulator(), rows + 1);
    QCOMPARE(h.state().Rows, rows + 1000);  // counting goes on from the paused count
    h.pauseAt(rows + 50'000);
    QCOMPARE(h.state().Rows, rows + 50'000);
    QVERIFY(h.state().Winnings >= winnings);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        QVERIFY(h.state().hitCounts[i] >= counts[i]);
    }
    QCOMPARE(histogramSum(h.state(), 3), rows + 50'000);
}

void RunTest::startOverZeroesTheSeriesAndKeepsTheNumbers() {
    Harness h;
    Script script(h, {"level:5", "numbers:5", "start", "pause"});
    script.run();
    QStringList frameCaptions;
    for (QLabel* label : h.window.frmZarno(5)->findChildren<QLabel*>()) {
        frameCaptions << label->text();
    }
    QVERIFY(h.state().Rows > 0);
    h.click(Control::cmdReset);
    QCOMPARE(h.state().Rows, 0);
    QCOMPARE(h.state().Winnings, 0);
    QCOMPARE(std::count(h.state().hitCounts.begin(), h.state().hitCounts.end(), 0), 63);
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("0"));
    QVERIFY(!h.window.frmZarno(5)->isVisibleTo(&h.window));
    for (int i = 0; i < 10; ++i) {
        QComboBox* box = h.window.numberBox(i);
        QCOMPARE(box->isEnabled(), i < 5);
        QCOMPARE(box->currentText(), i < 5 ? QString::number(i + 1) : QString());
    }
    QStringList after;
    for (QLabel* label : h.window.frmZarno(5)->findChildren<QLabel*>()) {
        after << label->text();
    }
    QCOMPARE(after, frameCaptions);
    QVERIFY(h.window.button(Control::cmdReset)->isVisible() &&
            h.window.button(Control::cmdReset)->isEnabled());
    QVERIFY(h.window.button(Control::cmdTauko)->isVisible() &&
            !h.window.button(Control::cmdTauko)->isEnabled());
}

void RunTest::aNewLevelAfterStartOverTalliesOnlyItself() {
    Harness h;
    Script script(h, {"level:4", "numbers:4", "start", "pause", "reset", "level:7", "numbers:7",
                      "start", "pause"});
    script.run();
    QCOMPARE(histogramSum(h.state(), 4), 0);
    QCOMPARE(histogramSum(h.state(), 7), h.state().Rows);
    QVERIFY(h.window.frmZarno(7)->isVisible());
    QVERIFY(!h.window.frmZarno(4)->isVisibleTo(&h.window));
}

void RunTest::rowLimitStopsWithItsMessage() {
    Harness h;
    playLevel(h.window, 2);
    h.state().Rows = 3'999'999'998;
    QString counterAtMessage;
    h.services.onMessage = [&] {
        counterAtMessage = h.window.label(LabelId::rowCounter())->text();
    };
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(!h.simulator().running());  // the window's ticks reach the limit
    QCOMPARE(h.messages(),
             QStringList{QString::fromUtf8("Arvonta lopetettu (alkaa jo riittämään)")});
    QCOMPARE(counterAtMessage, QStringLiteral("4 000 000 000"));
    QCOMPARE(h.state().Rows, 4'000'000'001);
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("4 000 000 001"));
    QVERIFY(!h.window.button(Control::cmdAloitaArvonta)->isEnabled());
    QVERIFY(h.window.button(Control::cmdTauko)->isEnabled() &&
            h.window.button(Control::cmdTauko)->isVisible());
    h.click(Control::cmdTauko);
    QVERIFY(h.window.button(Control::cmdJatka)->isVisible());
}

void RunTest::aMillionRowsAtLevelTwoPayAboutFiftyFivePercent() {
    Harness h(777);
    playLevel(h.window, 2);
    QTest::mouseClick(h.window.checkBox(Control::chkFast), Qt::LeftButton);
    h.startStepwise();
    h.pauseAt(1'000'000);
    QCOMPARE(h.state().Rows, 1'000'000);
    const double payout = 100.0 * static_cast<double>(h.state().Winnings) / 1e6;
    QVERIFY2(payout > 54 && payout < 56, qPrintable(QString::number(payout)));
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("1 000 000"));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::RunTest)
#include "RunTest.moc"

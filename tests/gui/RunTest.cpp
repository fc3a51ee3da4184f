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
        if (w.cmbNumero[static_cast<std::size_t>(i)]->isEnabled()) {
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
        .arg(stateOf(w.cmdAloitaArvonta), stateOf(w.cmdTauko), stateOf(w.cmdJatka),
             stateOf(w.cmdReset), stateOf(w.cmdExit), stateOf(w.cmbTaso), stateOf(w.chkFast),
             boxes.isEmpty() ? "-" : boxes.join(","), frames.isEmpty() ? "-" : frames.join(","))
        .arg(flag(s.StopRequested), flag(s.NewSeries), flag(s.ResetPending));
}

// Plays a script of user actions. A click that starts drawing returns only when the loop ends,
// so the steps after it are taken from the event pumping of later passes, one step a pass, as a
// user's clicks would arrive.
class Script {
public:
    Script(Harness& h, QStringList steps) : h_(h), steps_(steps.begin(), steps.end()) {
        h_.services.onPump = [this] {
            if (!steps_.empty()) {
                take();
            }
        };
    }
    ~Script() { h_.services.onPump = nullptr; }

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
            choose(w.cmbTaso, step.mid(6));
        } else if (step.startsWith("numbers:")) {
            const int count = step.mid(8).toInt();
            for (int i = 0; i < count; ++i) {
                choose(w.cmbNumero[static_cast<std::size_t>(i)], QString::number(i + 1));
            }
        } else if (step == "start") {
            QTest::mouseClick(w.cmdAloitaArvonta, Qt::LeftButton);
        } else if (step == "pause") {
            QTest::mouseClick(w.cmdTauko, Qt::LeftButton);
        } else if (step == "continue") {
            QTest::mouseClick(w.cmdJatka, Qt::LeftButton);
        } else if (step == "reset") {
            QTest::mouseClick(w.cmdReset, Qt::LeftButton);
        } else if (step == "pause+continue") {
            QTest::mouseClick(w.cmdTauko, Qt::LeftButton);
            QTest::mouseClick(w.cmdJatka, Qt::LeftButton);  // nests a loop, returns at a pause
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
    QTest::newRow("continue nested in the pause's pumping")
        << QStringList{"level:3", "numbers:3", "start", "pause+continue", "snap", "pause", "snap"}
        << paused;
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

void RunTest::pauseClickedDuringARealRun() {
    Harness h;
    playLevel(h.window, 4);
    std::int64_t rowsWhenClicked = -1;
    // Delivered by the event pumping of the running loop.
    QTimer::singleShot(0, [&] {
        rowsWhenClicked = h.state().Rows;
        QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
    });
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    QVERIFY(rowsWhenClicked >= 1);
    QCOMPARE(h.state().Rows, rowsWhenClicked);  // the row in progress was the last
    QCOMPARE(histogramSum(h.state(), 4), h.state().Rows);
    QCOMPARE(h.window.lblArvontoja->text(), expectedCaptions(h.state(), 4).rowCounter);
    QVERIFY(h.window.cmdJatka->isVisible());
    QVERIFY(!h.window.cmdTauko->isVisible());
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
    std::int64_t rowsAtEnd = -1;
    // The real end does not return; this one records the end and stops the loop in its place.
    h.services.onEnd = [&] {
        rowsAtEnd = h.state().Rows;
        h.state().StopRequested = true;
    };
    QTimer::singleShot(0, [&] {
        if (quit) {
            QTest::mouseClick(h.window.cmdExit, Qt::LeftButton);
        } else {
            h.window.close();
        }
    });
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
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
    bool checked = false;
    h.services.onPump = [&] {
        if (!checked) {
            checked = true;
            QCOMPARE(h.state().Rows, rows + 1000);  // counting goes on from the paused count
            QVERIFY(h.window.frmZarno(3)->isVisible());
        }
        if (h.state().Rows == rows + 50'000) {
            QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
        }
    };
    QTest::mouseClick(h.window.cmdJatka, Qt::LeftButton);
    QVERIFY(checked);
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
    QTest::mouseClick(h.window.cmdReset, Qt::LeftButton);
    QCOMPARE(h.state().Rows, 0);
    QCOMPARE(h.state().Winnings, 0);
    QCOMPARE(std::count(h.state().hitCounts.begin(), h.state().hitCounts.end(), 0), 63);
    QCOMPARE(h.window.lblArvontoja->text(), QStringLiteral("0"));
    QVERIFY(!h.window.frmZarno(5)->isVisibleTo(&h.window));
    for (int i = 0; i < 10; ++i) {
        QComboBox* box = h.window.cmbNumero[static_cast<std::size_t>(i)];
        QCOMPARE(box->isEnabled(), i < 5);
        QCOMPARE(box->currentText(), i < 5 ? QString::number(i + 1) : QString());
    }
    QStringList after;
    for (QLabel* label : h.window.frmZarno(5)->findChildren<QLabel*>()) {
        after << label->text();
    }
    QCOMPARE(after, frameCaptions);
    QVERIFY(h.window.cmdReset->isVisible() && h.window.cmdReset->isEnabled());
    QVERIFY(h.window.cmdTauko->isVisible() && !h.window.cmdTauko->isEnabled());
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
    h.services.onMessage = [&] { counterAtMessage = h.window.lblArvontoja->text(); };
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    QCOMPARE(h.messages(),
             QStringList{QString::fromUtf8("Arvonta lopetettu (alkaa jo riittämään)")});
    QCOMPARE(counterAtMessage, QStringLiteral("4 000 000 000"));
    QCOMPARE(h.state().Rows, 4'000'000'001);
    QCOMPARE(h.window.lblArvontoja->text(), QStringLiteral("4 000 000 001"));
    QVERIFY(!h.window.cmdAloitaArvonta->isEnabled());
    QVERIFY(h.window.cmdTauko->isEnabled() && h.window.cmdTauko->isVisible());
    QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
    QVERIFY(h.window.cmdJatka->isVisible());
}

void RunTest::aMillionRowsAtLevelTwoPayAboutFiftyFivePercent() {
    Harness h(777);
    playLevel(h.window, 2);
    QTest::mouseClick(h.window.chkFast, Qt::LeftButton);
    h.pauseAt(1'000'000);
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    QCOMPARE(h.state().Rows, 1'000'000);
    const double payout = 100.0 * static_cast<double>(h.state().Winnings) / 1e6;
    QVERIFY2(payout > 54 && payout < 56, qPrintable(QString::number(payout)));
    QCOMPARE(h.window.lblArvontoja->text(), QStringLiteral("1 000 000"));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::RunTest)
#include "RunTest.moc"

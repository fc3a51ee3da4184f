// The run controls on real widgets: the four window states, pause and quit during a real run,
// continue, start over and the row limit.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <QApplication>
#include <QMessageBox>

#include <deque>
#include <numeric>

#include "gui/Captions.h"
#include "gui/GuiHarness.h"
#include "ui/ChartWindow.h"
#include "ui/chart/HitsTab.h"

namespace zarno::test {
namespace {

const char* nameOf(RunState state) {
    constexpr const char* names[] = {"ready", "running", "paused", "cleared", "ended", "closed"};
    return names[static_cast<std::size_t>(state)];
}

// Whether the user can use a control: shown and enabled.
bool usable(QWidget* w) {
    return w->isVisibleTo(w->window()) && w->isEnabled();
}

// The run as the user sees it: the number boxes open, the frames shown, and the state's name.
// Every run control is usable exactly in the states that take its event, quit in every one.
QString describe(Harness& h) {
    Zarno& w = h.window;
    const std::pair<QWidget*, RunEvent> controls[] = {
        {w.button(Control::cmdAloitaArvonta), RunEvent::start},
        {w.checkBox(Control::chkFast), RunEvent::start},
        {w.button(Control::cmdTauko), RunEvent::pause},
        {w.button(Control::cmdJatka), RunEvent::resume},
        {w.button(Control::cmdReset), RunEvent::startOver},
        {w.comboBox(Control::cmbTaso), RunEvent::chooseLevel},
        {w.findChild<QPushButton*>("cmdExit"), RunEvent::close},
        // The chart and the lesson open in every state, as quit.
        {w.findChild<QPushButton*>("cmdKaavio"), RunEvent::close},
        {w.findChild<QPushButton*>("cmdOppitunti"), RunEvent::close}};
    QStringList wrong;
    for (const auto& [control, event] : controls) {
        if (usable(control) != nextState(h.state(), event).has_value()) {
            wrong << control->objectName();
        }
    }
    // Pause and continue share one place on the window.
    if (w.button(Control::cmdTauko)->isVisibleTo(&w) &&
        w.button(Control::cmdJatka)->isVisibleTo(&w)) {
        wrong << "both cmdTauko and cmdJatka shown";
    }
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
    return QStringLiteral("boxes:%1 frames:%2 %3%4")
        .arg(boxes.isEmpty() ? "-" : boxes.join(","), frames.isEmpty() ? "-" : frames.join(","),
             nameOf(h.state()), wrong.isEmpty() ? "" : " wrong:" + wrong.join(","));
}

// Plays a script of user actions, one after the other. After a start the test waits until the
// window's own ticks have drawn rows, as they do between a user's clicks; a message the start
// opens is acknowledged.
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
            // A count (the numbers 1, 2, ...) or the numbers themselves.
            const QStringList numbers = step.mid(8).split(',');
            for (int i = 0; i < (numbers.size() > 1 ? numbers.size() : numbers[0].toInt()); ++i) {
                choose(w.numberBox(i), numbers.size() > 1 ? numbers[i] : QString::number(i + 1));
            }
        } else if (step == "start") {
            h_.click(Control::cmdAloitaArvonta);
            QTRY_VERIFY(h_.rows() > 0 || h_.window.message());
            h_.acknowledge();
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
            h_.window.cmdTauko_Click();  // the handler itself, whatever the button's state
        } else if (step == "snap") {
            snapshots << describe(h_);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

    Harness& h_;
    std::deque<QString> steps_;
};

const QString ready = "boxes:0,1 frames:- ready";
const QString running = "boxes:- frames:3 running";
const QString paused = "boxes:- frames:3 paused";
const QString cleared = "boxes:0,1,2 frames:- cleared";

std::int64_t histogramSum(const Tally& t) {
    return std::accumulate(t.hits.begin(), t.hits.end(), std::int64_t{0});
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
    void aJackpotWaitsForOkWithoutALoopOfItsOwn();
    void aSeriesWithoutTheWindowIsTheSame();
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
    QTest::newRow("start with a number repeated")
        << QStringList{"level:3", "numbers:7,9,7", "start", "snap"}
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
    QCOMPARE(histogramSum(h.now().tally), h.rows());
    // A refused start says why, and draws nothing.
    if (steps.contains("numbers:2")) {
        QCOMPARE(h.messages, QStringList{"Anna kaikki numerot."});
        QCOMPARE(h.rows(), 0);
    }
    if (steps.contains("numbers:7,9,7")) {
        QCOMPARE(h.messages, QStringList{"Numero 7 on valittu kahdesti."});
        QCOMPARE(h.rows(), 0);
    }
}

// The window's own ticks draw; a click on pause stops the run at once, and no row follows it.
void RunTest::pauseClickedDuringARealRun() {
    Harness h;
    playLevel(h.window, 4);
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(h.rows() >= 100'000);
    h.click(Control::cmdTauko);
    const std::int64_t rowsWhenClicked = h.rows();
    QTest::qWait(50);
    QCOMPARE(h.rows(), rowsWhenClicked);
    QCOMPARE(histogramSum(h.now().tally), h.rows());
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(),
             expectedCaptions(h.now().tally, 4).rowCounter);
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
    QTRY_VERIFY(h.rows() > 0);
    if (quit) {
        QTest::mouseClick(h.window.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
    } else {
        h.window.close();
    }
    const std::int64_t rowsAtEnd = h.rows();
    QTest::qWait(50);
    QCOMPARE(h.quits.count(), 1);
    QCOMPARE(h.rows(), rowsAtEnd);
    QCOMPARE(h.state(), RunState::closed);
}

void RunTest::closingAnIdleWindowEndsTheProgram() {
    Harness idle;
    idle.window.close();
    QCOMPARE(idle.quits.count(), 1);
}

void RunTest::continueKeepsTheTallies() {
    Harness h;
    Script script(h, {"level:3", "numbers:3", "start", "pause"});
    script.run();
    const Tally paused = h.now().tally;
    h.click(Control::cmdJatka);
    QVERIFY(h.window.frmZarno(3)->isVisible());
    h.pauseAt(paused.rows + 50'000);
    const Tally now = h.now().tally;
    QVERIFY(now.rows >= paused.rows + 50'000);
    QVERIFY(now.winnings >= paused.winnings);
    for (std::size_t i = 0; i < now.hits.size(); ++i) {
        QVERIFY(now.hits[i] >= paused.hits[i]);
    }
    QCOMPARE(histogramSum(now), now.rows);
}

void RunTest::startOverZeroesTheSeriesAndKeepsTheNumbers() {
    Harness h;
    Script script(h, {"level:5", "numbers:5", "start", "pause"});
    script.run();
    QStringList frameCaptions;
    for (QLabel* label : h.window.frmZarno(5)->findChildren<QLabel*>()) {
        frameCaptions << label->text();
    }
    QVERIFY(h.rows() > 0);
    h.click(Control::cmdReset);
    QCOMPARE(h.now().tally, Tally{});
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
}

void RunTest::aNewLevelAfterStartOverTalliesOnlyItself() {
    Harness h;
    Script script(h, {"level:4", "numbers:4", "start", "pause", "reset", "level:7", "numbers:7",
                      "start", "pause"});
    script.run();
    QCOMPARE(h.now().play.level, 7);
    QCOMPARE(histogramSum(h.now().tally), h.rows());
    QVERIFY(h.window.frmZarno(7)->isVisible());
    QVERIFY(!h.window.frmZarno(4)->isVisibleTo(&h.window));
}

// Drawn by the window's own ticks to a row limit of 2500: the message shows the row counter at
// the limit, one more row follows it, and the controls stay as while drawing.
void RunTest::rowLimitStopsWithItsMessage() {
    Harness h(12345, 2, 2500);
    playLevel(h.window, 2);
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(h.window.message());
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("2 500"));
    QCOMPARE(h.rows(), 2500);
    QCOMPARE(h.acknowledge(), QString::fromUtf8("Arvonta lopetettu (alkaa jo riittämään)"));
    QTRY_COMPARE(h.state(), RunState::ended);
    QCOMPARE(h.rows(), 2501);
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("2 501"));
    QVERIFY(!h.window.button(Control::cmdAloitaArvonta)->isEnabled());
    QVERIFY(h.window.button(Control::cmdTauko)->isEnabled() &&
            h.window.button(Control::cmdTauko)->isVisible());
    h.click(Control::cmdTauko);
    QVERIFY(h.window.button(Control::cmdJatka)->isVisible());
}

// Seed 58 at level 10 with the numbers 1 to 10 hits all ten at row 18 954. The message is modal to
// the window and returns to the event loop at once; while it shows, no row is committed, and after
// OK the run goes on. Behind it the 10-hit label shows the row; in fast mode the other captions
// keep the last 1000th row's figures.
void RunTest::aJackpotWaitsForOkWithoutALoopOfItsOwn() {
    Harness h(58);
    playLevel(h.window, 10);
    QTest::mouseClick(h.window.checkBox(Control::chkFast), Qt::LeftButton);
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(h.window.message());
    QMessageBox* box = h.window.message();
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), box);
    const SeriesSnapshot atMessage = h.now();
    QCOMPARE(atMessage.tally.rows, 18'954);
    QStringList lines{"Iso potti, 10/10 oikein!", ""};
    for (const auto number : atMessage.drawn) {
        lines << QString::number(number);
    }
    QCOMPARE(box->text(), lines.join('\n'));
    std::string caption;
    writeHitsCaption(caption, 10, 10, 1, 18'954, Wording('.'));
    QCOMPARE(h.window.label(LabelId::hits(10, 10))->text(), QString::fromStdString(caption));
    QCOMPARE(shownCaptions(h.window, 10).level.first(),
             expectedCaptions(*atMessage.shown, 10).level.first());
    QCOMPARE(h.window.label(LabelId::rowCounter())->text(), QStringLiteral("18 000"));
    QTest::qWait(100);
    QCOMPARE(h.window.tick(Series::Deadline::max()), Tick::waiting);
    QCOMPARE(h.now(), atMessage);
    // Ticked, the box lets the series go on through its later jackpots, each counted and kept.
    QVERIFY(box->checkBox() && !box->checkBox()->isChecked());
    QCOMPARE(box->checkBox()->text(), QString::fromUtf8("Älä pysäytä arvontaa seuraavista"));
    box->checkBox()->setChecked(true);
    h.acknowledge();
    QCOMPARE(h.state(), RunState::running);
    // Stepwise: the event loop left to itself could draw past a third jackpot before the pause.
    h.pauseAt(340'000);  // past the second at 336 185
    QCOMPARE(h.messages.size(), 1);
    QCOMPARE(h.now().tally.hits[10], 2);
    QVERIFY(h.window.label(LabelId::hits(10, 10))->text().startsWith("10 oikein (kpl): 2 "));
    QTest::mouseClick(h.window.findChild<QPushButton*>("cmdKaavio"), Qt::LeftButton);
    ChartWindow* chart = h.window.chartWindow();
    chart->tabs()->setCurrentIndex(ChartWindow::hitsTab);
    const QTableWidget* jackpots =
        static_cast<HitsTab*>(chart->tab(ChartWindow::hitsTab))->jackpots();
    QCOMPARE(jackpots->rowCount(), 2);
    QCOMPARE(jackpots->item(0, 0)->text(), QStringLiteral("18 954"));
    for (int r = 0; r < 2; ++r) {
        const QStringList drawn = jackpots->item(r, 1)->text().split(' ');
        for (int n = 1; n <= 10; ++n) {
            QVERIFY(drawn.contains(QString::number(n)));
        }
    }
    h.click(Control::cmdReset);
    QVERIFY(h.window.run().jackpotsStop());  // the next series' first jackpot stops it again
    QCOMPARE(jackpots->rowCount(), 0);
}

// The same seed, play and stretches give the same series through the window as through the model
// alone, and the window shows the figures the model's snapshot has.
void RunTest::aSeriesWithoutTheWindowIsTheSame() {
    Harness h(58);
    playLevel(h.window, 10);
    QTest::mouseClick(h.window.checkBox(Control::chkFast), Qt::LeftButton);
    h.startStepwise();
    h.pauseAt(40'000);
    SeriesRig alone(2, 58);
    alone.series.begin(test::playOfFirst(10, true));
    test::drawTo(alone.series, 40'000, [](Announcement) {});
    alone.series.stop();
    QCOMPARE(h.now(), alone.series.snapshot());
    QVERIFY(h.series().record() == alone.series.record());
    QCOMPARE(h.messages.size(), 1);
    QCOMPARE(shownCaptions(h.window, 10), expectedCaptions(h.now().tally, 10));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::RunTest)
#include "RunTest.moc"

// What the speed work must not change: the captions a run leaves, and repaints while rows are
// drawn.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "gui/Captions.h"
#include "gui/GuiHarness.h"

namespace zarno::test {
namespace {

// Counts a widget's paint events and keeps the text it had at the last one.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QLabel* label) : label_(label) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted = label_->text();
        }
        return false;
    }
    int paints = 0;
    QString painted;

private:
    QLabel* label_;
};

}  // namespace

class PresentationTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAfterAPauseAreThoseOfTheLastRow_data();
    void captionsAfterAPauseAreThoseOfTheLastRow();
    void aStoppedRunIsRepaintedWithItsLastCaptions();
    void repaintsWhileDrawingAreAtMostOnePerFrame();
};

void PresentationTest::captionsAfterAPauseAreThoseOfTheLastRow_data() {
    QTest::addColumn<bool>("fast");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("deviation");  // the winnings tooltip's second line
    QTest::newRow("every row") << false << 6
                               << QString::fromUtf8("Keskihajonta 124 000 rivillä: ±2.1 %-yks.");
    QTest::newRow("fast mode") << true << 4
                               << QString::fromUtf8("Keskihajonta 124 000 rivillä: ±0.67 %-yks.");
}

// A pause ends a pass, and a pass ends at a 1000th row, so in both modes the window shows the
// figures of the row the series stopped at, and the winnings tooltip the spread after it.
void PresentationTest::captionsAfterAPauseAreThoseOfTheLastRow() {
    QFETCH(bool, fast);
    QFETCH(int, level);
    QFETCH(QString, deviation);
    Harness h;
    playLevel(h.window, level);
    if (fast) {
        QTest::mouseClick(h.window.checkBox(Control::chkFast), Qt::LeftButton);
    }
    h.startStepwise();
    h.pauseAt(123'457);
    QCOMPARE(h.rows(), 124'000);
    const Captions expected = expectedCaptions(h.now().tally, level);
    const Captions shown = shownCaptions(h.window, level);
    QCOMPARE(shown.level, expected.level);
    QCOMPARE(shown.rowCounter, expected.rowCounter);
    QCOMPARE(h.window.label(LabelId::winnings(level))->toolTip().section('\n', 1), deviation);
}

void PresentationTest::aStoppedRunIsRepaintedWithItsLastCaptions() {
    Harness h;
    playLevel(h.window, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    PaintWatcher counter(h.window.label(LabelId::rowCounter()));
    PaintWatcher share(h.window.label(LabelId::hits(3, 1)));
    h.startStepwise();
    h.pauseAt(54'321);
    QTRY_COMPARE(counter.painted, QStringLiteral("55 000"));
    QTRY_COMPARE(share.painted, h.window.label(LabelId::hits(3, 1))->text());
    QCOMPARE(share.painted, expectedCaptions(h.now().tally, 3).level[3]);
}

// The window's own ticks draw two million rows, however long the machine takes; the row counter
// follows them, once a frame at most.
void PresentationTest::repaintsWhileDrawingAreAtMostOnePerFrame() {
    Harness h;
    playLevel(h.window, 2);
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    PaintWatcher counter(h.window.label(LabelId::rowCounter()));
    QElapsedTimer clock;
    clock.start();
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY_WITH_TIMEOUT(h.rows() >= 2'000'000, 60'000);
    h.click(Control::cmdTauko);
    const double frames = static_cast<double>(clock.elapsed()) / (1000.0 / 60.0);
    QVERIFY2(counter.paints <= frames + 3,
             qPrintable(QStringLiteral("%1 paints in %2 frames").arg(counter.paints).arg(frames)));
    QVERIFY(counter.paints >= 2);  // it does follow the run
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::PresentationTest)
#include "PresentationTest.moc"

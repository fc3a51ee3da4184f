// What the speed work must not change: captions and repaints while rows are drawn, and the
// converted values the window keeps for its input controls.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Captions.h"
#include "GuiHarness.h"

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
    void captionsAfterAPauseAreThoseOfTheLastRow();
    void captionsAfterAPauseInFastModeAreThoseOfTheLastThousandth();
    void aStoppedRunIsRepaintedWithItsLastCaptions();
    void repaintsWhileDrawingAreAtMostOnePerFrame();
    void convertedValuesFollowTheTexts();
};

void PresentationTest::captionsAfterAPauseAreThoseOfTheLastRow() {
    Harness h;
    playLevel(h.window, 6);
    h.services.onPump = [&] {
        if (h.state().Rows == 123'457) {
            QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
        }
    };
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    const Captions expected = expectedCaptions(h.state(), 6);
    const Captions shown = shownCaptions(h.window, 6);
    QCOMPARE(shown.level, expected.level);
    QCOMPARE(shown.rowCounter, expected.rowCounter);
}

void PresentationTest::captionsAfterAPauseInFastModeAreThoseOfTheLastThousandth() {
    Harness h;
    playLevel(h.window, 4);
    QTest::mouseClick(h.window.chkFast, Qt::LeftButton);
    Captions atThousandth;
    h.services.onPump = [&] {
        if (h.state().Rows == 7'000) {
            atThousandth = expectedCaptions(h.state(), 4);
        } else if (h.state().Rows == 7'999) {
            QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
        }
    };
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    QCOMPARE(h.state().Rows, 7'999);
    const Captions shown = shownCaptions(h.window, 4);
    QCOMPARE(shown.level, atThousandth.level);
    QCOMPARE(shown.rowCounter, QStringLiteral("7 000"));
}

void PresentationTest::aStoppedRunIsRepaintedWithItsLastCaptions() {
    Harness h;
    playLevel(h.window, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    PaintWatcher counter(h.window.lblArvontoja);
    PaintWatcher share(h.window.label(LabelId::hits(3, 1)));
    h.services.onPump = [&] {
        if (h.state().Rows == 54'321) {
            QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
        }
    };
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    QTRY_COMPARE(counter.painted, QStringLiteral("54 321"));
    QTRY_COMPARE(share.painted, h.window.label(LabelId::hits(3, 1))->text());
    QCOMPARE(share.painted, expectedCaptions(h.state(), 3).level[3]);
}

void PresentationTest::repaintsWhileDrawingAreAtMostOnePerFrame() {
    Harness h;
    playLevel(h.window, 2);
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    PaintWatcher counter(h.window.lblArvontoja);
    QElapsedTimer clock;
    h.services.onPump = [&] {
        if (clock.elapsed() >= 500) {
            QTest::mouseClick(h.window.cmdTauko, Qt::LeftButton);
        }
    };
    clock.start();
    QTest::mouseClick(h.window.cmdAloitaArvonta, Qt::LeftButton);
    const double frames = static_cast<double>(clock.elapsed()) / (1000.0 / 60.0);
    QVERIFY2(counter.paints <= frames + 3,
             qPrintable(QStringLiteral("%1 paints in %2 frames").arg(counter.paints).arg(frames)));
    QVERIFY(counter.paints >= 2);  // it does follow the run
    QVERIFY(h.state().Rows > 1000);
}

void PresentationTest::convertedValuesFollowTheTexts() {
    Harness h;
    QVERIFY(!h.window.numberTexts()[0].isNumeric());
    choose(h.window.cmbNumero[0], "42");
    QCOMPARE(h.window.numberTexts()[0].number(), 42.0);
    h.window.cmbNumero[0]->setCurrentIndex(6);
    QCOMPARE(h.window.numberTexts()[0].wholeNumber(), 7);
    h.window.cmbNumero[0]->setCurrentIndex(-1);
    QVERIFY(!h.window.numberTexts()[0].isNumeric());

    QCOMPARE(h.window.levelText().number(), 2.0);
    choose(h.window.cmbTaso, "9");
    QCOMPARE(h.window.levelText().number(), 9.0);
    QLineEdit* edit = h.window.cmbTaso->lineEdit();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(!h.window.levelText().isNumeric());  // empty
    QTest::keyClicks(edit, "4.5");
    QCOMPARE(h.window.levelText().number(), 4.5);
    h.window.cmbTaso->setEditText(QStringLiteral("x"));
    QVERIFY(!h.window.levelText().isNumeric());
    QCOMPARE(h.window.levelText().text(), std::string("x"));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::PresentationTest)
#include "PresentationTest.moc"

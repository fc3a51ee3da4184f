// The lesson on real widgets: opened from the main window, its four steps walked with the
// keyboard, the guesses kept as typed, the years lived among a thousand players, and the truth
// beside the exact law.
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "core/document/LessonDocument.h"
#include "gui/GuiHarness.h"
#include "platform/NumberFormat.h"
#include "ui/lesson/IconArray.h"
#include "ui/lesson/LessonWindow.h"

namespace zarno::test {

class LessonTest : public QObject {
    Q_OBJECT

private slots:
    void walksTheFourStepsWithTheKeyboard();
};

namespace {

void type(QSpinBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void turn(LessonWindow* lesson, Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : lesson, key,
                    Qt::AltModifier);
}

}  // namespace

void LessonTest::walksTheFourStepsWithTheKeyboard() {
    Harness h;
    playLevel(h.window, 7);  // the numbers 1 to 7
    QTest::mouseClick(h.window.findChild<QPushButton*>("cmdOppitunti"), Qt::LeftButton);
    LessonWindow* lesson = h.window.lessonWindow();
    QVERIFY(lesson && lesson->isVisible());
    QVERIFY(lesson->windowTitle().contains(QStringLiteral("oppitunti")));
    lesson->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lesson));
    QCOMPARE(lesson->level()->value(), 7);
    QCOMPARE(lesson->rowsPerWeek()->value(), 2);
    QCOMPARE(lesson->years()->value(), 10);
    QStringList shown;
    for (const QLabel* label : lesson->findChildren<QLabel*>()) {
        shown << label->text();
    }
    QVERIFY(shown.contains(QString::fromUtf8("1 040 riviä, 1 040 €")));
    QVERIFY(shown.contains(QStringLiteral("Numerot: 1, 2, 3, 4, 5, 6, 7")));

    turn(lesson, Qt::Key_Right);
    QCOMPARE(lesson->steps()->currentIndex(), int{LessonWindow::guessStep});
    // No guess is given away: every box starts blank.
    for (QSpinBox* box : {lesson->aheadGuess(), lesson->payoutGuess(), lesson->medianGuess()}) {
        QCOMPARE(box->value(), box->minimum());
    }
    type(lesson->aheadGuess(), "300");
    type(lesson->payoutGuess(), "80");
    type(lesson->medianGuess(), "-100");
    QCOMPARE(lesson->aheadGuess()->value(), 300);

    turn(lesson, Qt::Key_Right);
    QCOMPARE(lesson->steps()->currentIndex(), int{LessonWindow::liveStep});
    QVERIFY(!lesson->next()->isEnabled());  // the truth comes after the years
    QSignalSpy lived(lesson, &LessonWindow::lived);
    QPushButton* play = lesson->findChild<QPushButton*>("PelaaVuodet");
    play->setFocus();
    QTest::keyClick(play, Qt::Key_Space);
    QTest::keyClick(lesson->findChild<QPushButton*>("NaytaHeti"), Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(lived.count(), 1, 60'000);
    QCOMPARE(lesson->yearShown(), 10);
    IconArray* icons = lesson->iconArray();
    using Standing = IconArray::Standing;
    QCOMPARE(icons->count(Standing::ahead) + icons->count(Standing::behind) +
                 icons->count(Standing::farBehind),
             1000);
    QCOMPARE(icons->accessibleName(),
             QStringLiteral("%1 pelaajaa 1000:sta voitolla").arg(icons->count(Standing::ahead)));

    turn(lesson, Qt::Key_Right);
    QCOMPARE(lesson->steps()->currentIndex(), int{LessonWindow::truthStep});
    QTableWidget* truth = lesson->truth();
    QTRY_COMPARE_WITH_TIMEOUT(truth->rowCount(), 3, 60'000);
    const odds::LessonLaw& law = lessonLawOf(7, 2, 10);
    const auto cells = [truth](int r) {
        QStringList line;
        for (int c = 1; c < truth->columnCount(); ++c) {
            line << truth->item(r, c)->text();
        }
        return line;
    };
    const LessonFigures seen = happened(*lesson->lesson());
    QCOMPARE(cells(0),
             QStringList({"300", QString::number(seen.ahead),
                          QString::fromStdString(formatNumber(1000 * law.ahead, "0.0", '.'))}));
    QCOMPARE(cells(1).first(), QStringLiteral("80.00"));
    QCOMPARE(cells(2).first(), QStringLiteral("-100"));
    QCOMPARE(cells(2).last(), QString::number(*law.medianNet));
    QCOMPARE(lesson->rowShares()->rowCount(), 3);

    QTemporaryDir folder;
    lesson->saveAnswersTo(folder.filePath("oppitunti"));
    QFile saved(folder.filePath("oppitunti.json"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const auto read = readLessonDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QVERIFY(std::holds_alternative<Lesson>(read));
    QCOMPARE(std::get<Lesson>(read).guesses, (LessonGuesses{300, 0.8, -100}));

    turn(lesson, Qt::Key_Left);
    QCOMPARE(lesson->steps()->currentIndex(), int{LessonWindow::liveStep});
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::LessonTest)
#include "LessonTest.moc"

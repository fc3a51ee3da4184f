// The chart window on real widgets: opened from the main window, its tables after a known
// series, start over, and its buttons.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/GuiHarness.h"
#include "ui/ChartWindow.h"

namespace zarno::test {
namespace {

QStringList row(QTableWidget* table, int r) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) {
        cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
    }
    return cells;
}

QStringList headers(QTableWidget* table) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) {
        cells << table->horizontalHeaderItem(c)->text();
    }
    return cells;
}

ChartWindow* openChart(Harness& h) {
    QTest::mouseClick(h.window.findChild<QPushButton*>("cmdKaavio"), Qt::LeftButton);
    return h.window.chartWindow();
}

// Each tab, drawn, as the window presents it.
void showTab(ChartWindow* chart, ChartWindow::Tab tab) {
    chart->tabs()->setCurrentIndex(tab);
    chart->present();
}

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonOpensTheWindowAndRaisesIt();
    void tablesFollowAKnownSeriesUntilStartOver();
    void copiesTheTableSavesTheChartAndTellsAboutItself();
    void theRowLimitIsDrawnToo();
};

void ChartTest::theButtonOpensTheWindowAndRaisesIt() {
    Harness h;
    auto* button = h.window.findChild<QPushButton*>("cmdKaavio");
    QCOMPARE(button->text(), QStringLiteral("Kaavio"));
    QVERIFY(!h.window.chartWindow());
    ChartWindow* chart = openChart(h);
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(chart->windowTitle(), QString::fromUtf8("Zarno – kaavio"));
    QCOMPARE(chart->tabs()->count(), 3);
    chart->hide();
    QCOMPARE(openChart(h), chart);
    QVERIFY(chart->isVisible());
    // Usable in every state: while drawing too.
    playLevel(h.window, 2);
    h.click(Control::cmdAloitaArvonta);
    QVERIFY(button->isEnabled() && button->isVisible());
}

// Seed 2026 at level 2 with the numbers 1 and 2 draws 101 775, 82 522 and 15 703 rows of 0, 1
// and 2 hits in its first 200 000 rows, and wins 109 921 euros.
void ChartTest::tablesFollowAKnownSeriesUntilStartOver() {
    Harness h(2026);
    playLevel(h.window, 2);
    QTest::mouseClick(h.window.checkBox(Control::chkFast), Qt::LeftButton);
    ChartWindow* chart = openChart(h);
    QCOMPARE(chart->table(ChartWindow::payoutTab)->rowCount(), 0);  // no row yet
    h.startStepwise();
    h.pauseAt(200'000);

    QTableWidget* payout = chart->table(ChartWindow::payoutTab);
    QCOMPARE(headers(payout), QStringList({"Rivejä", "Palautus (%)", "Odotettu (%)",
                                           "Alaraja 2σ (%)", "Yläraja 2σ (%)"}));
    QCOMPARE(payout->rowCount(), 4);  // 1000, 10 000, 100 000 and the rows shown
    QCOMPARE(row(payout, 3), QStringList({"200 000", "54.96", "55.07", "54.23", "55.92"}));

    showTab(chart, ChartWindow::hitsTab);
    QTableWidget* hits = chart->table(ChartWindow::hitsTab);
    QCOMPARE(headers(hits),
             QStringList({"Oikein", "Kpl", "Osuus (%)", "Odotettu (%)", "Poikkeama (σ)"}));
    QCOMPARE(row(hits, 0), QStringList({"2", "15703", "7.9", "7.9", "-0.27"}));

    showTab(chart, ChartWindow::playersTab);
    QTableWidget* players = chart->table(ChartWindow::playersTab);
    QCOMPARE(headers(players).first(), QStringLiteral("Rivejä pelaajalla"));
    QCOMPARE(row(players, 1).mid(0, 2), QStringList({"10", "20 000"}));
    QCOMPARE(row(players, 1).last(), QStringLiteral("-4.49"));  // 10 (E - 1)
    QTRY_VERIFY(!row(players, 2).at(3).isEmpty());              // the exact law, once worked out
    QCOMPARE(row(players, 2).at(5), QStringLiteral("-24"));

    h.click(Control::cmdReset);
    QCOMPARE(row(players, 1).mid(0, 3), QStringList({"10", "0", ""}));
    showTab(chart, ChartWindow::payoutTab);
    QCOMPARE(payout->rowCount(), 0);
}

void ChartTest::copiesTheTableSavesTheChartAndTellsAboutItself() {
    Harness h;
    playLevel(h.window, 3);
    h.startStepwise();
    h.pauseAt(20'000);
    ChartWindow* chart = openChart(h);

    chart->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    QTest::keyClick(chart, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(
        lines.first(),
        QString::fromUtf8("Rivejä\tPalautus (%)\tOdotettu (%)\tAlaraja 2σ (%)\tYläraja 2σ (%)"));
    QCOMPARE(lines.size(), 5);  // the headers, 1000, 10 000 and 20 000 rows, and the last newline
    QVERIFY(lines.at(3).startsWith("20 000\t"));

    QTemporaryDir folder;
    const QString file = folder.filePath("kaavio.png");
    chart->chooseImageFile = [&file] { return file; };
    chart->saveImage();
    QVERIFY(!QImage(file).isNull());

    QString about;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        about = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    chart->showAbout();
    QVERIFY(about.contains(QStringLiteral("versio " ZARNO_VERSION)));
    QVERIFY(about.contains(QStringLiteral("GNU General Public License")));
    QVERIFY(about.contains(QString::fromUtf8("TAKUUTA")));
}

void ChartTest::theRowLimitIsDrawnToo() {
    Harness h;
    playLevel(h.window, 10);
    ChartWindow* chart = openChart(h);
    h.state().Rows = 3'999'999'998;
    h.click(Control::cmdAloitaArvonta);
    QTRY_VERIFY(!h.simulator().running());
    for (const auto tab : {ChartWindow::payoutTab, ChartWindow::hitsTab, ChartWindow::playersTab}) {
        showTab(chart, tab);
        QCOMPARE(row(chart->table(tab), 0).contains(QStringLiteral("nan")), false);
    }
    QTableWidget* payout = chart->table(ChartWindow::payoutTab);
    QCOMPARE(row(payout, payout->rowCount() - 1).first(), QStringLiteral("4 000 000 001"));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::ChartTest)
#include "ChartTest.moc"

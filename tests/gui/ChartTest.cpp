// The chart window on real widgets: opened from the main window, its tables after a known
// series, start over, and its buttons.
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSet>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <system_error>
#include <thread>

#include "gui/GuiHarness.h"
#include "ui/ChartWindow.h"
#include "ui/chart/BudgetTab.h"
#include "ui/chart/ChartStyle.h"
#include "ui/chart/LevelsTab.h"
#include "ui/chart/PayoutTab.h"
#include "ui/chart/PlayersTab.h"

#include <qcustomplot.h>

namespace zarno::test {
namespace {

// The exact laws take up to a second a level on a thread of their own, longer on a loaded machine.
constexpr int lawsTimeout = 60'000;  // milliseconds

QStringList row(QTableWidget* table, int r) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) {
        cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
    }
    return cells;
}

// The contrast of two colours by the web's accessibility guidelines: 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
}

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonOpensTheWindowAndRaisesIt();
    void tablesFollowAKnownSeriesUntilStartOver();
    void copiesTheTableSavesTheChartAndTellsAboutItself();
    void aFailedSaveSaysWhyAndKeepsTheOldFile();
    void saysWhenTheExactLawsAreUnavailable();
    void aSavedRunOpensAsItWasSaved();
    void aFileThatIsNoRunIsRefused();
    void followsADarkDesktopAndTheKeyboard();
    void tableColumnsFitTheirTexts();
    // Last: under ThreadSanitizer no thread may start after the report's reader is forked.
    void theReportHasAPageATab();
};

void ChartTest::theButtonOpensTheWindowAndRaisesIt() {
    Harness h;
    auto* button = h.window.findChild<QPushButton*>("cmdKaavio");
    QCOMPARE(button->text(), QStringLiteral("Kaavio"));
    QVERIFY(!h.window.chartWindow());
    ChartWindow* chart = openChart(h);
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(chart->windowTitle(), QString::fromUtf8("Zarno – kaavio"));
    QCOMPARE(chart->tabs()->count(), 5);
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
    // Before the first row the exact figures are those of the level chosen, and follow it.
    showTab(chart, ChartWindow::hitsTab);
    QCOMPARE(row(chart->table(ChartWindow::hitsTab), 0), QStringList({"2", "0", "", "7.9", ""}));
    choose(h.window.comboBox(Control::cmbTaso), "5");
    QCOMPARE(chart->table(ChartWindow::hitsTab)->rowCount(), 6);
    choose(h.window.comboBox(Control::cmbTaso), "2");
    // The levels side by side, the chosen one marked, each level's players once its laws are in.
    showTab(chart, ChartWindow::levelsTab);
    QTableWidget* levels = chart->table(ChartWindow::levelsTab);
    QCOMPARE(levels->rowCount(), 9);
    QTRY_VERIFY_WITH_TIMEOUT(!row(levels, 0).value(5).isEmpty(), lawsTimeout);
    QCOMPARE(row(levels, 0),
             QStringList({"2", "55.07", "44.93", "1.885", "568 284", "4.924", "-24", "3.274e-05",
                          "-233", "7", "13", "0.2444", "7.867", "0", "7.867"}));
    QVERIFY(levels->item(0, 0)->font().bold() && !levels->item(8, 0)->font().bold());
    QCOMPARE(chart->levels()->kept()->text(), QString::fromUtf8("Peli pitää 44.93 % panoksista"));
    chart->levels()->column()->setCurrentIndex(8);  // the top prize
    auto* chosenBar = qobject_cast<QCPBars*>(chart->plot(ChartWindow::levelsTab)->plottable(1));
    QCOMPARE(chosenBar->data()->size(), 1);
    QCOMPARE(chosenBar->data()->at(0)->value, 7.0);
    showTab(chart, ChartWindow::payoutTab);
    h.startStepwise();
    h.pauseAt(200'000);
    QCOMPARE(chart->payout()->kept()->text(),
             QString::fromUtf8("Peli pitää 44.93 % panoksista; tässä ajossa 45.04 %"));

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
    QCOMPARE(row(players, 1).at(6), QStringLiteral("-4.49"));  // 10 (E - 1)
    QTRY_VERIFY_WITH_TIMEOUT(!row(players, 2).value(3).isEmpty(),
                             lawsTimeout);  // the exact law, once worked out
    QCOMPARE(row(players, 2).mid(5), QStringList({"-24", "-23.36", "-45", "-3"}));
    QVERIFY(!chart->players()->lawsNotice()->isVisible());
    // The label of the players ahead stays whole inside the chart, above the bars under it.
    QCustomPlot* histogram = chart->plot(ChartWindow::playersTab);
    auto* ahead = qobject_cast<QCPItemText*>(histogram->item(0));
    for (int length = 0; length < chart->players()->sessionLength()->count(); ++length) {
        chart->players()->sessionLength()->setCurrentIndex(length);
        histogram->replot();
        const QPointF at = ahead->position->pixelPosition();
        const double half = QFontMetrics(ahead->font()).horizontalAdvance(ahead->text()) / 2.0;
        QVERIFY(at.x() + half <= histogram->axisRect()->right());
        for (const auto* bars : {histogram->plottable(0), histogram->plottable(1)}) {
            for (const QCPBarsData& bar : *qobject_cast<const QCPBars*>(bars)->data()) {
                const double x = histogram->xAxis->coordToPixel(bar.key);
                if (std::abs(x - at.x()) < half) {
                    QVERIFY(histogram->yAxis->coordToPixel(bar.value) >= at.y());
                }
            }
        }
    }

    // The budget's players, and a new budget's from the row after the one shown.
    showTab(chart, ChartWindow::budgetTab);
    QTableWidget* budget = chart->table(ChartWindow::budgetTab);
    QTRY_VERIFY_WITH_TIMEOUT(!row(budget, 3).value(1).isEmpty(), lawsTimeout);
    QCOMPARE(row(budget, 3).mid(0, 2), QStringList({"520", "99.92"}));
    QVERIFY(row(budget, 0).value(3).toInt() > 0);
    QCOMPARE(row(chart->budget()->summary(), 0).first(), QStringLiteral("212"));
    QVERIFY(chart->budget()->from()->text().isEmpty());
    chart->budget()->budget()->setValue(20);
    QCOMPARE(chart->budget()->from()->text(),
             QString::fromUtf8("Havaitut pelaajat alkavat riviltä 200 001."));
    QCOMPARE(row(budget, 0).value(3), QStringLiteral("0"));
    QTRY_COMPARE_WITH_TIMEOUT(row(chart->budget()->summary(), 0).mid(0, 2),
                              QStringList({"34", "2.064"}), lawsTimeout);

    showTab(chart, ChartWindow::playersTab);
    h.click(Control::cmdReset);
    QCOMPARE(row(players, 1).mid(0, 3), QStringList({"10", "0", ""}));
    showTab(chart, ChartWindow::payoutTab);
    QCOMPARE(payout->rowCount(), 0);
}

// Saving and the about box open their dialogs and return at once; the dialogs are modal to the
// chart window alone.
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
    QCOMPARE(lines.at(3), row(chart->table(ChartWindow::payoutTab), 2).join('\t'));

    QTemporaryDir folder;
    chart->saveImage();
    auto* dialog = chart->findChild<QFileDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    dialog->selectFile(folder.filePath("kaavio.png"));
    QMetaObject::invokeMethod(dialog, "accept");
    QVERIFY(!QImage(folder.filePath("kaavio.png")).isNull());
    chart->saveImageTo(folder.filePath("ilman-paatetta"));
    QVERIFY(!QImage(folder.filePath("ilman-paatetta.png")).isNull());

    QTest::mouseClick(chart->findChild<QPushButton*>("Tietoja"), Qt::LeftButton);
    auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(about);
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    QVERIFY(about->text().contains(QStringLiteral("versio " ZARNO_VERSION)));
    QVERIFY(about->text().contains(QStringLiteral("GNU General Public License")));
    QVERIFY(about->text().contains(QString::fromUtf8("TAKUUTA")));
    about->buttons().last()->click();  // Qt's own notice
    QTRY_VERIFY(QApplication::activeModalWidget() && QApplication::activeModalWidget() != about);
    auto* aboutQt = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(aboutQt->text().contains(QStringLiteral(QT_VERSION_STR)));
    aboutQt->accept();
}

// A file that cannot be written leaves the one it would replace as it was, and the message says
// what the system said.
void ChartTest::aFailedSaveSaysWhyAndKeepsTheOldFile() {
    Harness h;
    ChartWindow* chart = openChart(h);
    QTemporaryDir folder;
    const QString missing = folder.filePath("ei-ole/kaavio.png");
    chart->saveImageTo(missing);
    QTRY_VERIFY(chart->findChild<QMessageBox*>());
    auto* box = chart->findChild<QMessageBox*>();
    QVERIFY(box->text().startsWith(QStringLiteral("Kuvan tallennus ei onnistunut.\n")));
    QVERIFY(box->text().size() > QStringLiteral("Kuvan tallennus ei onnistunut.\n").size());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    box->accept();
    QVERIFY(!QFile::exists(missing));
}

// Without a thread for the exact laws, the players' tab says so and shows the observed figures;
// the next drawing tries again.
void ChartTest::saysWhenTheExactLawsAreUnavailable() {
    bool fail = true;
    const StartThread failing = [&fail](std::function<void()> work) {
        if (fail) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::thread(std::move(work));
    };
    const Wording wording('.');
    ChartWindow chart(wording, failing);
    chart.show();
    showTab(&chart, ChartWindow::playersTab);
    chart.present(SeriesRecord{}, playOfFirst(2));
    QVERIFY(chart.players()->lawsNotice()->isVisible());
    QVERIFY(row(chart.table(ChartWindow::playersTab), 2).value(3).isEmpty());
    fail = false;
    chart.present(SeriesRecord{}, playOfFirst(2));
    QVERIFY(!chart.players()->lawsNotice()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!row(chart.table(ChartWindow::playersTab), 2).value(3).isEmpty(),
                             lawsTimeout);
}

// Saved and opened again, a run shows every tab's table as it was, in a window titled with its
// file's name.
void ChartTest::aSavedRunOpensAsItWasSaved() {
    Harness h(2026);
    playLevel(h.window, 6);
    h.startStepwise();
    h.pauseAt(54'321);
    ChartWindow* chart = openChart(h);
    showTab(chart, ChartWindow::playersTab);
    QTRY_VERIFY_WITH_TIMEOUT(!row(chart->table(ChartWindow::playersTab), 2).value(3).isEmpty(),
                             lawsTimeout);
    QTemporaryDir folder;
    chart->saveRunTo(folder.filePath("ajo"));
    const QString file = folder.filePath("ajo.json");
    QVERIFY(QFile::exists(file));
    chart->openRunFrom(file);  // read on a thread of its own
    QTRY_VERIFY_WITH_TIMEOUT(chart->findChild<ChartWindow*>(), lawsTimeout);
    ChartWindow* opened = chart->findChild<ChartWindow*>();
    QVERIFY(opened->isVisible());
    QCOMPARE(opened->windowTitle(), QString::fromUtf8("ajo.json – Zarno – kaavio"));
    for (const auto tab : {ChartWindow::payoutTab, ChartWindow::hitsTab, ChartWindow::playersTab,
                           ChartWindow::budgetTab}) {
        showTab(chart, tab);
        showTab(opened, tab);
        QTRY_COMPARE_WITH_TIMEOUT(row(opened->table(tab), 2), row(chart->table(tab), 2),
                                  lawsTimeout);
        for (int r = 0; r < chart->table(tab)->rowCount(); ++r) {
            QCOMPARE(row(opened->table(tab), r), row(chart->table(tab), r));
        }
    }
}

// Not JSON, cut short, not a run, from a newer Zarno, damaged: each is refused with what is wrong,
// and no window opens.
void ChartTest::aFileThatIsNoRunIsRefused() {
    Harness h;
    ChartWindow* chart = openChart(h);
    QTemporaryDir folder;
    const struct {
        QByteArray content;
        const char* says;
    } cases[] = {
        {"", "JSON"},
        {"{\"format\": \"zarno-run\", \"version\": 1, \"level\": 3", "JSON"},
        {"{\"format\": \"other\"}", "Zarnon ajo"},
        {"{\"format\": \"zarno-run\", \"version\": 7}", "(muoto 7)"},
        {"{\"format\": \"zarno-run\", \"version\": 1, \"level\": 12}", "kenttä level"},
    };
    for (const auto& c : cases) {
        QFile file(folder.filePath("ajo.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        chart->openRunFrom(file.fileName());
        QTRY_VERIFY(chart->findChild<QMessageBox*>());
        auto* box = chart->findChild<QMessageBox*>();
        QVERIFY2(box->text().startsWith(QStringLiteral("Ajoa ei voitu avata.\n")) &&
                     box->text().contains(QString::fromUtf8(c.says)),
                 qPrintable(box->text()));
        delete box;
    }
    chart->openRunFrom(folder.filePath("ei-ole.json"));
    QVERIFY(chart->findChild<QMessageBox*>());
    QVERIFY(chart->findChildren<ChartWindow*>().isEmpty());
}

// A PDF, a page a tab, each with its tables; the play, the rows and the version at the top. It
// waits for the exact laws of all nine levels, and the tables wider than the page still fit.
void ChartTest::theReportHasAPageATab() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) reads the report");
    }
    Harness h(2026);
    playLevel(h.window, 2);
    h.startStepwise();
    h.pauseAt(200'000);
    ChartWindow* chart = openChart(h);
    QTemporaryDir folder;
    chart->saveReportTo(folder.filePath("raportti"));
    chart->saveReportTo(folder.filePath("toinen"));  // asked for while the first waits
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath("raportti.pdf")), lawsTimeout);
    QVERIFY(QFile::exists(folder.filePath("toinen.pdf")));
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), folder.filePath("raportti.pdf"), "-"});
    QVERIFY(reader.waitForFinished(30'000));
    const QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
    QCOMPARE(pages.size(), 6);  // five pages, and what follows the last
    const QStringList expected[] = {
        {"Palautus", "200 000", "54.96", "55.07"},
        {"Osumat", "15703", "Poikkeama"},
        {"Pelaajat", "20 000", "-4.49"},
        {"Kassa", "Rahat loppu tarkka (%)", "99.92", "Mediaani rivejä loppuun", "212"},
        {"Tasot", "4.924", "2.646", "Vuosia, rivi viikossa", "41292"}};
    for (int p = 0; p < 5; ++p) {
        for (const QString& text : QStringList{"Zarno " ZARNO_VERSION, "Taso 2, numerot 1, 2",
                                               "Rivejä: 200 000", "Ajoa ei voi toistaa"} +
                                       expected[p]) {
            QVERIFY2(pages[p].contains(text), qPrintable(text + " on page " + QString::number(p)));
        }
    }
}

// Under a dark palette the charts draw on its base colour, their texts readable on it; Ctrl+Tab
// and Ctrl+Shift+Tab turn the tabs from anywhere in the window.
void ChartTest::followsADarkDesktopAndTheKeyboard() {
    Harness h;
    ChartWindow* chart = openChart(h);
    QPalette dark = chart->palette();
    for (const auto& [role, colour] : {std::pair{QPalette::Base, QColor(25, 25, 25)},
                                       {QPalette::Window, QColor(40, 40, 40)},
                                       {QPalette::Text, QColor(230, 230, 230)},
                                       {QPalette::WindowText, QColor(230, 230, 230)},
                                       {QPalette::Mid, QColor(90, 90, 90)}}) {
        dark.setColor(role, colour);
    }
    chart->setPalette(dark);
    for (const ChartWindow::Tab tab : {ChartWindow::payoutTab, ChartWindow::levelsTab}) {
        showTab(chart, tab);
        const QImage image = chart->plot(tab)->toPixmap().toImage();
        const QColor background = image.pixelColor(1, 1);
        QCOMPARE(background, dark.color(QPalette::Base));
        double best = 1;  // the axis's numbers and label, at the left
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < 60; ++x) {
                best = std::max(best, contrast(image.pixelColor(x, y), background));
            }
        }
        QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
    }

    chart->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    QPushButton* copy = chart->findChild<QPushButton*>("Kopioi");
    copy->setFocus();
    showTab(chart, ChartWindow::payoutTab);
    QTest::keyClick(copy, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(chart->tabs()->currentIndex(), int{ChartWindow::hitsTab});
    QTest::keyClick(copy, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(copy, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(chart->tabs()->currentIndex(), int{ChartWindow::levelsTab});

    // Tab alone reaches every control that a tab shows, tables too, and comes round.
    for (int tab = 0; tab < chart->tabs()->count(); ++tab) {
        showTab(chart, static_cast<ChartWindow::Tab>(tab));
        chart->tabs()->tabBar()->setFocus();
        QSet<QWidget*> reached;
        while (!reached.contains(QApplication::focusWidget()) && reached.size() < 40) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), chart->tabs()->tabBar());
        const auto widgets = chart->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->focusProxy()) {
                QVERIFY2(reached.contains(w), w->metaObject()->className());
            }
        }
    }
}

// However a table changed, its columns are as wide as the same texts filled at once make them.
void ChartTest::tableColumnsFitTheirTexts() {
    const auto table = [](std::vector<std::vector<std::string>> rows) {
        return Table{{"a", "b"}, std::move(rows)};
    };
    const std::pair<const char*, std::vector<Table>> cases[] = {
        {"rows added below", {table({{"1", "2"}}), table({{"1", "2"}, {"1234567", "8"}})}},
        {"a text longer", {table({{"1", "2"}}), table({{"1234567", "2"}})}},
        {"a text shorter", {table({{"1234567", "2"}}), table({{"1", "2"}})}},
        {"rows taken away", {table({{"1", "2"}, {"1234567", "8"}}), table({{"1", "2"}})}},
    };
    for (const auto& [name, fills] : cases) {
        QTableWidget filled;
        for (const Table& fill : fills) {
            style::fillTable(&filled, fill);
        }
        QTableWidget atOnce;
        style::fillTable(&atOnce, fills.back());
        for (int c = 0; c < 2; ++c) {
            QVERIFY2(filled.columnWidth(c) == atOnce.columnWidth(c), name);
        }
    }
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::ChartTest)
#include "ChartTest.moc"

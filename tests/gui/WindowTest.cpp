// The window as created, level selection, result frames and the results display, on real
// widgets on the offscreen platform.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "gui/Captions.h"
#include "gui/GuiHarness.h"
#include "platform/NumberFormat.h"
#include "platform/qt/Translations.h"
#include "ui/Dialogs.h"
#include "ui/Layout.h"
#include "ui/SteadyFrame.h"

namespace zarno::test {
namespace {

constexpr int twips = 15;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void createdControls_data();
    void createdControls();
    void fonts_data();
    void fonts();
    void resultFrames_data();
    void resultFrames();
    void captionsFitInEveryLanguage_data();
    void captionsFitInEveryLanguage();
    void comboBoxLists();
    void tabOrderAndFirstFocus();
    void resizingMovesNothing();
    void iconIsSixteenPixels();
    void choosingALevelEnablesItsBoxes_data();
    void choosingALevelEnablesItsBoxes();
    void lowerLevelKeepsTextsOfDisabledBoxes();
    void typingALevelRunsNoHandler();
    void finnishLocaleWritesADecimalComma();
    void toolTipsGiveTheOdds_data();
    void toolTipsGiveTheOdds();
    void messageBoxIsPlainWithOkOnly();
    void framesLookAsTheStyleDrawsThem_data();
    void framesLookAsTheStyleDrawsThem();
};

void WindowTest::createdControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");  // twips
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");   // after the load
    QTest::addColumn<bool>("fitsText");  // grows to fit its caption

    const auto row = [](const char* name, const char* cls, const QString& text, QRect rect,
                        bool visible, bool enabled, bool fits = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls) << text << rect
                            << visible << enabled << fits;
    };
    row("chkFast", "QCheckBox", "Vauhtia", {120, 120, 1095, 255}, true, true);
    row("lblZarno", "QLabel", "Zarno", {2760, 120, 930, 435}, true, true, true);
    row("cmdExit", "QPushButton", "Lopeta", {5040, 120, 1095, 375}, true, true);
    row("lblTaso", "QLabel", "Taso", {360, 600, 615, 255}, true, true);
    row("cmbTaso", "QComboBox", "2", {360, 960, 615, 315}, true, true);
    row("lblRiveja", "QLabel", utf8("Rivejä arvottu/rahaa mennyt (kpl/€) : "),
        {1920, 960, 2670, 195}, true, true, true);
    row("lblArvontoja", "QLabel", "0", {4600, 960, 1455, 255}, true, true);
    row("txtTasot", "QLabel", "Numerot", {360, 1440, 1095, 255}, true, true);
    for (int i = 0; i < 10; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("cmbNumero(%1)").arg(i)))
            << QStringLiteral("cmbNumero(%1)").arg(i) << "QComboBox" << QString()
            << QRect(360, 1800 + 480 * i, 1215, 315) << true << (i < 2) << false;
    }
    row("cmdAloitaArvonta", "QPushButton", "Arvontaa", {2160, 6960, 1695, 495}, true, true);
    row("cmdReset", "QPushButton", "Aloita alusta", {240, 7080, 1335, 375}, false, true);
    row("cmdTauko", "QPushButton", "Tauko", {4200, 7080, 1335, 375}, true, false);
    row("cmdJatka", "QPushButton", "Jatka arvontaa", {4200, 7080, 1335, 375}, false, true);
    row("cmdKaavio", "QPushButton", "Kaavio", {5520, 1440, 735, 375}, true, true);
    row("cmdOppitunti", "QPushButton", "Oppitunti", {360, 6540, 1215, 375}, true, true);
}

void WindowTest::createdControls() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(bool, fitsText);

    Harness h;
    QWidget* control = h.window.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &h.window);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shown = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        shown = label->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        shown = combo->currentText();
    }
    QCOMPARE(shown, text);
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(control->isEnabled(), enabled);

    // Twips at 15 to the pixel, within the rounding of one pixel.
    const QRect g = control->geometry();
    QVERIFY2(qAbs(g.x() * twips - rect.x()) < twips, qPrintable(QString::number(g.x())));
    QVERIFY2(qAbs(g.y() * twips - rect.y()) < twips, qPrintable(QString::number(g.y())));
    if (fitsText) {
        QVERIFY(g.width() >= control->sizeHint().width());
        QVERIFY(g.width() * twips >= rect.width() - twips);
    } else {
        QVERIFY(qAbs(g.width() * twips - rect.width()) < twips);
        QVERIFY(qAbs(g.height() * twips - rect.height()) < twips);
    }
}

void WindowTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixels");  // the point size at 96 dots per inch
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::newRow("lblZarno") << "lblZarno" << 24 << true << true;
    QTest::newRow("lblTaso") << "lblTaso" << 13 << true << false;
    QTest::newRow("txtTasot") << "txtTasot" << 13 << true << false;
    QTest::newRow("cmdAloitaArvonta") << "cmdAloitaArvonta" << 16 << true << false;
    for (const char* name :
         {"chkFast", "cmdExit", "cmbTaso", "lblRiveja", "lblArvontoja", "cmbNumero(9)", "cmdReset",
          "cmdTauko", "cmdJatka", "frmZarno6", "lblZarno63", "lblZarno6Voitot"}) {
        QTest::newRow(name) << name << 11 << false << false;  // 8.25 points
    }
}

void WindowTest::fonts() {
    QFETCH(QString, name);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    Harness h;
    const QFont font = h.window.findChild<QWidget*>(name)->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
}

void WindowTest::resultFrames_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("height");
    const int heights[] = {1935, 2295, 2775, 3135, 3495, 3975, 4335, 4695, 4935};
    for (int level = 2; level <= 10; ++level) {
        QTest::newRow(qPrintable(QString::number(level))) << level << heights[level - 2];
    }
}

void WindowTest::resultFrames() {
    QFETCH(int, level);
    QFETCH(int, height);
    Harness h;
    auto* frame = h.window.findChild<QGroupBox*>(QStringLiteral("frmZarno%1").arg(level));
    QVERIFY(frame);
    QCOMPARE(frame, h.window.frmZarno(level));
    QCOMPARE(frame->title(), QStringLiteral("Zarno %1").arg(level));
    QVERIFY(!frame->isVisible());
    QCOMPARE(frame->geometry(), QRect(2040 / twips, 1440 / twips, 3375 / twips, height / twips));

    // Hit labels from L hits at the top down to 0, then the winnings label.
    QStringList expectedOrder;
    for (int k = level; k >= 0; --k) {
        const QString name = level == 2 && k == 2
                                 ? QStringLiteral("lblzarno22")
                                 : QStringLiteral("lblZarno%1%2").arg(level).arg(k);
        auto* label = frame->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->parentWidget(), frame);
        QCOMPARE(label->text(), QStringLiteral("%1 oikein (kpl):").arg(k));
        QCOMPARE(label->x() * twips, 120);
        QCOMPARE(label->y() * twips, 360 + 360 * (level - k));
        QCOMPARE(label->height() * twips, 255);
        QCOMPARE(label, h.window.label(LabelId::hits(level, k)));
    }
    const QString winningsName =
        QStringLiteral("lblZarno%1%2").arg(level).arg(level <= 3 ? "voitot" : "Voitot");
    auto* winnings = frame->findChild<QLabel*>(winningsName);
    QVERIFY2(winnings, qPrintable(winningsName));
    QCOMPARE(winnings->text(), QStringLiteral("Voitot: "));
    QCOMPARE(winnings->y() * twips, level == 3 ? 1800 : 360 * (level + 2) + 120);
    QCOMPARE(winnings, h.window.label(LabelId::winnings(level)));
    QCOMPARE(frame->findChildren<QLabel*>().size(), level + 2);
}

void WindowTest::captionsFitInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : spokenLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// Every caption fits its control, in every language: those the window is made with, and the
// widest that a series of up to four billion rows can show.
void WindowTest::captionsFitInEveryLanguage() {
    QFETCH(QString, language);
    const Translations translations(language, texts::all);
    Harness h;
    const auto fits = [](QWidget* control, const QString& text, int room) {
        const int needed = QFontMetrics(control->font()).horizontalAdvance(text);
        if (needed > room) {
            qWarning("%s needs %d pixels for \"%s\", has %d", qPrintable(control->objectName()),
                     needed, qPrintable(text), room);
            return false;
        }
        return control->geometry().right() < control->parentWidget()->width() - 1;
    };
    // Buttons and the check box leave room for their frame, or their box.
    for (auto* button : h.window.findChildren<QPushButton*>()) {
        QVERIFY(fits(button, button->text(), button->width() - 8));
    }
    auto* fast = h.window.checkBox(Control::chkFast);
    QVERIFY(fits(fast, fast->text(), fast->width() - 20));
    for (int level = 2; level <= 10; ++level) {
        QGroupBox* frame = h.window.frmZarno(level);
        QVERIFY(fits(frame, frame->title(), frame->width() - 16));
    }
    std::string caption;
    const Wording wording('.', translated);
    for (int level = 2; level <= 10; ++level) {
        for (int k = 0; k <= level; ++k) {
            // A share just below 100 %, written with the most digits its pattern allows.
            writeHitsCaption(caption, level, k, 4'000'000'000, 4'000'000'000, wording);
            caption.replace(caption.rfind(" (") + 2, std::string::npos,
                            formatNumber(99.99999, sharePattern(level, k), '.') + "%)");
            QLabel* label = h.window.label(LabelId::hits(level, k));
            QVERIFY(fits(label, QString::fromStdString(caption), label->width()));
        }
        writeWinningsCaption(caption, 3'999'999'999, 4'000'000'000, wording);
        QLabel* label = h.window.label(LabelId::winnings(level));
        QVERIFY(fits(label, QString::fromStdString(caption), label->width()));
    }
    writeRowCounter(caption, 4'000'000'000, wording);
    QLabel* counter = h.window.label(LabelId::rowCounter());
    QVERIFY(fits(counter, QString::fromStdString(caption), counter->width()));
    // The headings, and the line before the row counter, which ends before the counter begins.
    for (const char* name : {"lblTaso", "txtTasot"}) {
        auto* heading = h.window.findChild<QLabel*>(name);
        QVERIFY(fits(heading, heading->text(), heading->width()));
    }
    auto* riveja = h.window.findChild<QLabel*>("lblRiveja");
    const int textEnd =
        riveja->x() + QFontMetrics(riveja->font()).horizontalAdvance(riveja->text().trimmed());
    QVERIFY(textEnd < counter->x());
}

void WindowTest::comboBoxLists() {
    Harness h;
    QComboBox* level = h.window.comboBox(Control::cmbTaso);
    QVERIFY(level->isEditable());
    QCOMPARE(level->currentIndex(), -1);
    QCOMPARE(level->currentText(), QStringLiteral("2"));
    QStringList levels;
    for (int i = 0; i < level->count(); ++i) {
        levels << level->itemText(i);
    }
    QCOMPARE(levels, QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    for (int i = 0; i < numberBoxes; ++i) {
        QComboBox* box = h.window.numberBox(i);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->count(), 70);
        for (int n = 1; n <= 70; ++n) {
            QCOMPARE(box->itemText(n - 1), QString::number(n));
        }
    }
}

void WindowTest::tabOrderAndFirstFocus() {
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    QCOMPARE(QApplication::focusWidget(), h.window.numberBox(0));

    // The whole chain, in the designed order.
    QStringList chain;
    QWidget* w = h.window.numberBox(0);
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != h.window.numberBox(0) && chain.size() < 40);
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        expected << QStringLiteral("cmbNumero(%1)").arg(i);
    }
    expected << "cmdAloitaArvonta"
             << "cmdExit"
             << "cmdJatka"
             << "cmbTaso"
             << "cmdTauko"
             << "cmdReset"
             << "chkFast"
             << "cmdKaavio"
             << "cmdOppitunti";
    chain.removeAll(QString());  // the editable level box's own line edit
    QCOMPARE(chain, expected);

    // Tab skips what is hidden or disabled: after the load that is boxes 2..9, continue,
    // pause and start over.
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited,
             QStringList({"cmbNumero(0)", "cmbNumero(1)", "cmdAloitaArvonta", "cmdExit", "cmbTaso",
                          "chkFast", "cmdKaavio", "cmdOppitunti", "cmbNumero(0)"}));
}

void WindowTest::resizingMovesNothing() {
    Harness h;
    QCOMPARE(h.window.size(), QSize(6345 / twips, 7860 / twips));
    QList<QRect> before;
    const auto children = h.window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        before << child->geometry();
    }
    h.window.resize(900, 300);
    QCoreApplication::processEvents();
    for (int i = 0; i < children.size(); ++i) {
        QCOMPARE(children[i]->geometry(), before[i]);
    }
}

void WindowTest::iconIsSixteenPixels() {
    Harness h;
    QCOMPARE(h.window.windowTitle(), QStringLiteral("Zarno"));
    const QIcon icon = h.window.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(16, 16)}));
}

void WindowTest::choosingALevelEnablesItsBoxes_data() {
    QTest::addColumn<int>("level");
    for (int level = 2; level <= 10; ++level) {
        QTest::newRow(qPrintable(QString::number(level))) << level;
    }
}

void WindowTest::choosingALevelEnablesItsBoxes() {
    QFETCH(int, level);
    Harness h;
    choose(h.window.comboBox(Control::cmbTaso), QString::number(level));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(h.window.numberBox(i)->isEnabled(), i < level);
    }
}

void WindowTest::lowerLevelKeepsTextsOfDisabledBoxes() {
    Harness h;
    playLevel(h.window, 10);
    choose(h.window.comboBox(Control::cmbTaso), "2");
    for (int i = 0; i < 10; ++i) {
        QComboBox* box = h.window.numberBox(i);
        QCOMPARE(box->isEnabled(), i < 2);
        QCOMPARE(box->currentText(), QString::number(i + 1));
    }
}

void WindowTest::typingALevelRunsNoHandler() {
    Harness h;
    choose(h.window.comboBox(Control::cmbTaso), "5");
    QLineEdit* edit = h.window.comboBox(Control::cmbTaso)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "3");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.window.comboBox(Control::cmbTaso)->currentText(), QStringLiteral("3"));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(h.window.numberBox(i)->isEnabled(), i < 5);
    }
}

void WindowTest::finnishLocaleWritesADecimalComma() {
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    Harness h;
    QLocale::setDefault(QLocale::c());
    playLevel(h.window, 2);
    h.startStepwise();
    h.pauseAt(3000);
    QCOMPARE(shownCaptions(h.window, 2), expectedCaptions(h.now().tally, 2, Wording(',')));
    QVERIFY(h.window.findChild<QLabel*>("lblZarno2voitot")->text().contains(','));
    // The locale's separator also reads as a decimal separator in the level box: 3,5 opens
    // three boxes, as 3.5 would.
    h.click(Control::cmdReset);
    h.window.comboBox(Control::cmbTaso)->setEditText(QStringLiteral("3,5"));
    h.window.cmbTaso_Click();
    QVERIFY(h.window.numberBox(2)->isEnabled() && !h.window.numberBox(3)->isEnabled());
}

void WindowTest::toolTipsGiveTheOdds_data() {
    QTest::addColumn<bool>("finnish");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2 of 2") << false << "lblzarno22"
                            << "Odotettu osuus: 7.9%";
    QTest::newRow("10 of 10") << false << "lblZarno1010"
                              << "Odotettu osuus: 0.00005%";
    QTest::newRow("5 of 5, one decimal") << false << "lblZarno55"
                                         << "Odotettu osuus: 0.1%";
    QTest::newRow("winnings, before any row") << false << "lblZarno2voitot"
                                              << "Odotettu palautus: 55.07%";
    QTest::newRow("2 of 2, fi") << true << "lblzarno22"
                                << "Odotettu osuus: 7,9%";
    QTest::newRow("0 of 4, fi") << true << "lblZarno40"
                                << "Odotettu osuus: 25,1%";
    QTest::newRow("winnings, fi") << true << "lblZarno10Voitot"
                                  << "Odotettu palautus: 55,21%";
}

// Each result label carries what the odds lead one to expect, also for a screen reader.
void WindowTest::toolTipsGiveTheOdds() {
    QFETCH(bool, finnish);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QLocale::setDefault(finnish ? QLocale(QLocale::Finnish, QLocale::Finland) : QLocale::c());
    Harness h;
    QLocale::setDefault(QLocale::c());
    const QLabel* shown = h.window.findChild<QLabel*>(label);
    QCOMPARE(shown->toolTip(), expected);
    QCOMPARE(shown->accessibleDescription(), expected);
}

// A message returns at once, modal to its window alone, and goes when OK is clicked.
void WindowTest::messageBoxIsPlainWithOkOnly() {
    Harness h;
    QMessageBox* box =
        openMessage(&h.window, QStringLiteral("Iso potti, 10/10 oikein!\r\n\r\n1\r\n2"));
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->windowTitle(), QStringLiteral("Zarno"));
    QCOMPARE(box->text(), QStringLiteral("Iso potti, 10/10 oikein!\n\n1\n2"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    const QPointer<QMessageBox> watched(box);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!watched);
}

enum class FrameChange { none, shorter, style };

void WindowTest::framesLookAsTheStyleDrawsThem_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("texts only") << static_cast<int>(FrameChange::none);
    QTest::newRow("bottom edge behind a label") << static_cast<int>(FrameChange::shorter);
    QTest::newRow("another style") << static_cast<int>(FrameChange::style);
}

// A result frame copies the strip behind a label from a picture of itself: after any change, it
// shows there what the style draws for a plain group box.
void WindowTest::framesLookAsTheStyleDrawsThem() {
    QFETCH(int, change);
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    QGroupBox plain(QStringLiteral("Zarno 10"));
    SteadyFrame steady(QStringLiteral("Zarno 10"));
    const QRect strip(4, 150, 200, 40);
    const auto stripOf = [&](QGroupBox& frame) {
        QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        frame.render(&image, strip.topLeft(), QRegion(strip));
        return image;
    };
    for (QGroupBox* frame : std::array<QGroupBox*, 2>{&plain, &steady}) {
        frame->resize(210, 220);
        stripOf(*frame);
        switch (static_cast<FrameChange>(change)) {
            case FrameChange::none:
                break;
            case FrameChange::shorter:
                frame->resize(210, 170);
                break;
            case FrameChange::style:
                frame->setStyle(windows.get());
                break;
        }
    }
    QCOMPARE(stripOf(steady), stripOf(plain));
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::WindowTest)
#include "WindowTest.moc"

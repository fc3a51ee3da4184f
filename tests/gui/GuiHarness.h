#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include "doubles/SeriesRig.h"
#include "ui/Zarno.h"

namespace zarno::test {

// A window on a series whose engine runs on a clock that stands still, so that a seed draws the
// same rows every time. Shown on the offscreen platform.
struct Harness {
    explicit Harness(std::uint64_t seed = 12345, unsigned workers = 2,
                     std::int64_t limit = rowLimit)
        : rig(workers, seed, limit), window(rig.series), quits(&window, &Zarno::quitRequested) {
        window.show();
    }

    Series& series() { return rig.series; }
    SeriesSnapshot now() { return rig.series.snapshot(); }
    std::int64_t rows() { return now().tally.rows; }
    RunState state() const { return window.run().state(); }
    QPushButton* button(Control control) { return window.button(control); }
    void click(Control control) { QTest::mouseClick(button(control), Qt::LeftButton); }
    // Starts without a click, so that no tick of the window's event loop commits rows (the
    // handler itself commits one stretch at most): the test commits them a stretch at a time and
    // knows where the series stands.
    void startStepwise() { window.cmdAloitaArvonta_Click(); }
    // Ticks as the window's event loop does, a stretch at a time, until the series reaches `rows`
    // or the run stops. A message that opens is acknowledged, as the player does, and kept.
    void drawTo(std::int64_t target) {
        while (state() == RunState::running && rows() < target) {
            if (window.message()) {
                acknowledge();
            } else if (window.tick(Series::Deadline{}) == Tick::waiting) {
                std::this_thread::yield();
            }
        }
    }
    // Draws until the series has reached `rows`; then pauses as a click on pause does. The
    // handler is called itself: a simulated click may let the event loop run a tick first, and
    // the series would go past the row the test counts on.
    void pauseAt(std::int64_t target) {
        drawTo(target);
        window.cmdTauko_Click();
    }
    // Clicks OK in the message the window shows, and returns its text.
    QString acknowledge() {
        QMessageBox* box = window.message();
        if (!box) {
            return {};
        }
        messages << box->text();
        box->button(QMessageBox::Ok)->click();
        return messages.last();
    }

    SeriesRig rig;
    Zarno window;
    QSignalSpy quits;
    QStringList messages;  // those acknowledged
};

// Chooses an entry of a combo box's list as a user does: opens the list and clicks the entry.
inline void choose(QComboBox* box, const QString& entry) {
    const int row = box->findText(entry);
    QVERIFY2(row >= 0, qPrintable(entry));
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

// Plays a level with the numbers 1, 2, ... in its first boxes.
inline void playLevel(Zarno& window, int level) {
    choose(window.comboBox(Control::cmbTaso), QString::number(level));
    for (int i = 0; i < level; ++i) {
        choose(window.numberBox(i), QString::number(i + 1));
    }
}

}  // namespace zarno::test

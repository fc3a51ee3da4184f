#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "core/engine/RowEngine.h"
#include "doubles/Clocks.h"
#include "doubles/FakeServices.h"
#include "doubles/Rig.h"
#include "ui/Zarno.h"

namespace zarno::test {

// A window with services a test can watch and an engine on a clock that stands still, so that a
// seed draws the same rows every time. Shown on the offscreen platform.
struct Harness {
    explicit Harness(std::uint64_t seed = 12345, unsigned workers = 2)
        : engine(clock, seed, workers), window(services, engine) {
        window.show();
    }

    Simulator& simulator() { return window.simulator(); }
    SimulationState& state() { return window.simulator().state(); }
    QPushButton* button(Control control) { return window.button(control); }
    void click(Control control) { QTest::mouseClick(button(control), Qt::LeftButton); }
    // Starts without a click, so that no tick of the window's commits rows: the test commits
    // them a stretch at a time and knows where the series stands.
    void startStepwise() { simulator().cmdAloitaArvonta_Click(); }
    // Draws a stretch at a time, as the window's ticks do, until the series has reached `rows`;
    // then the user clicks pause.
    void pauseAt(std::int64_t rows) {
        drawTo(simulator(), rows);
        click(Control::cmdTauko);
    }
    QStringList messages() const {
        QStringList all;
        for (const std::string& message : services.messages) {
            all << QString::fromStdString(message);
        }
        return all;
    }

    ScriptedClock clock;
    RowEngine engine;
    FakeServices services;
    Zarno window;
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

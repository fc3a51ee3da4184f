#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

#include "QtRuntimeServices.h"
#include "RandomNumbers.h"

#include "RuntimeServices.h"
#include "Zarno.h"

namespace zarno::test {

// Runtime services a test can watch: messages are recorded instead of shown, the end of the
// program is recorded instead of ending the test, and the event pump is the real one, with a
// hook that runs after it.
class FakeServices final : public RuntimeServices {
public:
    void showMessage(QWidget*, const QString& text) override {
        messages << text;
        if (onMessage) {
            onMessage();
        }
    }
    void pumpEvents() override {
        pumpPendingEvents(lastTick_);
        ++pumps;
        if (onPump) {
            onPump();
        }
    }
    void endProgram() override {
        ++ends;
        if (onEnd) {
            onEnd();
        }
    }

    QStringList messages;
    long long pumps = 0;
    int ends = 0;
    std::function<void()> onPump;
    std::function<void()> onMessage;
    std::function<void()> onEnd;

private:
    std::uint64_t lastTick_ = 0;
};

// A clock that stands still, so a fixed seed draws the same rows every time.
class StillClock final : public Clock {
public:
    std::uint64_t now() override { return 1'700'000'000'000'000'000u; }
};

// A window with its own services and a seeded generator, shown on the offscreen platform.
struct Harness {
    explicit Harness(std::uint64_t seed = 12345) : random(clock, seed), window(services, random) {
        window.show();
    }

    Simulator& simulator() { return window.simulator(); }
    SimulationState& state() { return window.simulator().state(); }

    StillClock clock;
    RandomNumbers random;
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
    choose(window.cmbTaso, QString::number(level));
    for (int i = 0; i < level; ++i) {
        choose(window.cmbNumero[static_cast<std::size_t>(i)], QString::number(i + 1));
    }
}

}  // namespace zarno::test

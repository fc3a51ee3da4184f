// Rows per second in the real window, fast and non-fast, beside the bare core and the bare pump.
// Offscreen by default; on an X display with --display NAME.
#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "AllocationCounter.h"
#include "Figures.h"
#include "NullWindow.h"
#include "QtRuntimeServices.h"
#include "Zarno.h"

namespace zarno::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The program's own services, with a user who pauses once the series reaches a row count.
class PausingServices final : public RuntimeServices {
public:
    void showMessage(QWidget*, const QString&) override {}
    void pumpEvents() override {
        if (strict) {
            QCoreApplication::processEvents();  // the plain dispatch, for comparison
        } else {
            real_.pumpEvents();
        }
        if (window_ && window_->simulator().state().Rows >= pauseAt_) {
            window_->cmdTauko->click();
        }
    }
    void endProgram() override { real_.endProgram(); }

    void pauseAt(Zarno* window, std::int64_t rows) {
        window_ = window;
        pauseAt_ = rows;
    }

    bool strict = false;

private:
    QtRuntimeServices real_;
    Zarno* window_ = nullptr;
    std::int64_t pauseAt_ = 0;
};

struct Series {
    double rowsPerSecond = 0;
    double allocationsPerRow = 0;
};

class Bench {
public:
    Bench() : random_(clock_), window_(services_, random_) {
        window_.show();
        const auto until = Clock::now() + std::chrono::milliseconds(300);
        while (Clock::now() < until) {
            QCoreApplication::processEvents();
        }
    }

    // A new series at a level with the numbers 1..L, drawn until `rows` rows.
    Series run(int level, bool fast, std::int64_t rows) {
        prepare(level, fast);
        services_.pauseAt(&window_, rows);
        const std::size_t allocations = allocationCount();
        const auto start = Clock::now();
        window_.cmdAloitaArvonta->click();
        const double seconds = secondsSince(start);
        const auto drawn = window_.simulator().state().Rows;
        return {static_cast<double>(drawn) / seconds,
                static_cast<double>(allocationCount() - allocations) / static_cast<double>(drawn)};
    }

    // A fast series with Qt's processEvents as the pump on every row.
    double strictPumpRowsPerSecond(std::int64_t rows) {
        services_.strict = true;
        const Series series = run(2, true, rows);
        services_.strict = false;
        return series.rowsPerSecond;
    }

    // From a pause click to the end of the draw loop, in milliseconds, the worst of several:
    // clicks queued by another thread as the platform queues input, and clicks from a timer,
    // which like X input wait for the dispatcher's own poll.
    double pauseLatencyMs() {
        double worst = 0;
        for (int attempt = 0; attempt < 6; ++attempt) {
            prepare(2, true);
            services_.pauseAt(&window_, std::numeric_limits<std::int64_t>::max());
            Clock::time_point clicked;
            std::thread user;
            if (attempt % 2 == 0) {
                user = std::thread([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(200));
                    clicked = Clock::now();
                    queueClick(window_.cmdTauko);
                });
            } else {
                QTimer::singleShot(200, &window_, [&] {
                    clicked = Clock::now();
                    window_.cmdTauko->click();
                });
            }
            window_.cmdAloitaArvonta->click();
            const auto stopped = Clock::now();
            if (user.joinable()) {
                user.join();
            }
            worst = std::max(worst,
                             std::chrono::duration<double, std::milli>(stopped - clicked).count());
        }
        return worst;
    }

private:
    void prepare(int level, bool fast) {
        if (window_.cmdReset->isVisible()) {
            window_.cmdReset->click();
        }
        window_.cmbTaso->setCurrentIndex(level - minLevel);
        window_.simulator().cmbTaso_Click();  // what choosing the entry runs
        for (int i = 0; i < level; ++i) {
            window_.cmbNumero[static_cast<std::size_t>(i)]->setCurrentIndex(7 * i);
        }
        window_.chkFast->setChecked(fast);
    }

    void queueClick(QWidget* button) {
        QWindow* handle = window_.windowHandle();
        const QPointF local = button->mapTo(&window_, button->rect().center());
        const QPointF global = window_.mapToGlobal(local.toPoint());
        using Async = QWindowSystemInterface::AsynchronousDelivery;
        QWindowSystemInterface::handleMouseEvent<Async>(handle, local, global, Qt::LeftButton,
                                                        Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<Async>(handle, local, global, Qt::NoButton,
                                                        Qt::LeftButton, QEvent::MouseButtonRelease);
    }

    SystemClock clock_;
    RandomNumbers random_;
    PausingServices services_;
    Zarno window_;
};

// Draw and score with no window at all.
double coreNanoseconds(int level) {
    SystemClock clock;
    RandomNumbers random(clock);
    NullWindow window(level);
    Simulator simulator(window, random, '.');
    constexpr int rows = 3'000'000;
    const auto start = Clock::now();
    for (int n = 0; n < rows; ++n) {
        ++simulator.state().Rows;
        simulator.DrawNumbers();
        simulator.ScoreRow();
    }
    return secondsSince(start) * 1e9 / rows;
}

template <class Pump>
double pumpNanoseconds(int calls, Pump pump) {
    const auto start = Clock::now();
    for (int n = 0; n < calls; ++n) {
        pump();
    }
    return secondsSince(start) * 1e9 / calls;
}

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace
}  // namespace zarno::bench

int main(int argc, char** argv) {
    using namespace zarno;
    using namespace zarno::bench;
    std::int64_t fastRows = 20'000'000;
    std::int64_t slowRows = 1'000'000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--display") == 0) {
            qputenv("QT_QPA_PLATFORM", "xcb");
            qputenv("DISPLAY", argv[i + 1]);
        } else if (std::strcmp(argv[i], "--fast-rows") == 0) {
            fastRows = std::stoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--slow-rows") == 0) {
            slowRows = std::stoll(argv[i + 1]);
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    preferUnixEventDispatcher();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::printf("platform %s, dispatcher %s\n", qPrintable(QGuiApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className());

    Bench bench;
    double fastWorst = 1e300, slowWorst = 1e300, limitWorst = 1e300, allocsWorst = 0;
    double coreWorst = 0;
    QtRuntimeServices services;
    const double pump = pumpNanoseconds(2'000'000, [&] { services.pumpEvents(); });
    const double qtPump = pumpNanoseconds(200'000, [] { QCoreApplication::processEvents(); });
    for (const int level : {2, 10}) {
        const double core = coreNanoseconds(level);
        const Series fast = bench.run(level, true, fastRows);
        const Series slow = bench.run(level, false, slowRows);
        const double limit = 1e9 / (core + pump);
        const std::string suffix = "_l" + std::to_string(level);
        printFigure(("fast_rows_per_s" + suffix).c_str(), fast.rowsPerSecond, "rows/s");
        printFigure(("slow_rows_per_s" + suffix).c_str(), slow.rowsPerSecond, "rows/s");
        printFigure(("core_ns" + suffix).c_str(), core, "ns");
        printFigure(("fast_vs_limit" + suffix).c_str(), fast.rowsPerSecond / limit, "ratio");
        printFigure(("slow_allocs_per_row" + suffix).c_str(), slow.allocationsPerRow, "allocs");
        fastWorst = std::min(fastWorst, fast.rowsPerSecond);
        slowWorst = std::min(slowWorst, slow.rowsPerSecond);
        limitWorst = std::min(limitWorst, fast.rowsPerSecond / limit);
        allocsWorst = std::max(allocsWorst, fast.allocationsPerRow);
        coreWorst = std::max(coreWorst, core);
    }
    const double latency = bench.pauseLatencyMs();
    const double strict = bench.strictPumpRowsPerSecond(fastRows / 10);
    printFigure("fast_rows_per_s", fastWorst, "rows/s");
    printFigure("slow_rows_per_s", slowWorst, "rows/s");
    printFigure("core_ns", coreWorst, "ns");
    printFigure("pump_ns", pump, "ns");
    printFigure("qt_process_events_ns", qtPump, "ns");
    printFigure("fast_vs_limit", limitWorst, "ratio");
    printFigure("allocs_per_row", allocsWorst, "allocs");
    printFigure("peak_rss_mb", peakResidentMegabytes(), "MB");
    printFigure("pause_latency_ms", latency, "ms");
    printFigure("fast_rows_per_s_with_process_events", strict, "rows/s");
    return 0;
}

// Rows per second: one bare thread, the engine with all its workers, and the real window in fast
// and non-fast mode; with the pause latency, the peak memory and the allocations per row.
// Offscreen by default; on an X display with --display NAME.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "bench/AllocationCounter.h"
#include "bench/BenchPlay.h"
#include "bench/Figures.h"
#include "core/DrawGenerator.h"
#include "core/RowEngine.h"
#include "platform/qt/QtRuntimeServices.h"
#include "ui/Zarno.h"

namespace zarno::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The program's own services, with a user who pauses once the series reaches a row count. It
// also counts the allocations of the run's steady part, from a tenth of the rows to the pause.
class PausingServices final : public RuntimeServices {
public:
    void showMessage(std::string_view) override {}
    void pumpEvents() override {
        real_.pumpEvents();
        if (!window_) {
            return;
        }
        const std::int64_t rows = window_->simulator().state().Rows;
        if (warmRows_ < 0 && rows >= pauseAt_ / 10) {
            warmRows_ = rows;
            warmAllocations_ = allocationCount();
        }
        if (rows >= pauseAt_ && window_->cmdTauko->isVisible()) {
            steadyAllocationsPerRow_ =
                static_cast<double>(allocationCount() - warmAllocations_) /
                static_cast<double>(std::max<std::int64_t>(rows - warmRows_, 1));
            window_->cmdTauko->click();
        }
    }
    void endProgram() override { real_.endProgram(); }

    void pauseAt(Zarno* window, std::int64_t rows) {
        window_ = window;
        pauseAt_ = rows;
        warmRows_ = -1;
    }
    double steadyAllocationsPerRow() const { return steadyAllocationsPerRow_; }

private:
    QtRuntimeServices real_;
    Zarno* window_ = nullptr;
    std::int64_t pauseAt_ = 0;
    std::int64_t warmRows_ = -1;
    std::size_t warmAllocations_ = 0;
    double steadyAllocationsPerRow_ = 0;
};

struct Series {
    double rowsPerSecond = 0;
    double allocationsPerRow = 0;
};

class WindowBench {
public:
    WindowBench() : engine_(clock_, freshSeed(clock_)), window_(services_, engine_) {
        window_.show();
        const auto until = Clock::now() + std::chrono::milliseconds(300);
        while (Clock::now() < until) {
            QCoreApplication::processEvents();
        }
    }

    unsigned workers() const { return engine_.workers(); }

    // A new series at a level with the numbers of benchPlay, drawn until `rows` rows.
    Series run(int level, bool fast, std::int64_t rows) {
        prepare(level, fast);
        services_.pauseAt(&window_, rows);
        const auto start = Clock::now();
        window_.cmdAloitaArvonta->click();
        const double seconds = secondsSince(start);
        const auto drawn = window_.simulator().state().Rows;
        return {static_cast<double>(drawn) / seconds, services_.steadyAllocationsPerRow()};
    }

    // From a pause click to the end of the draw loop, in milliseconds, the worst of several:
    // clicks posted from another thread, as input reaches the window, and clicks from a timer.
    double pauseLatencyMs() {
        double worst = 0;
        for (int attempt = 0; attempt < 6; ++attempt) {
            prepare(10, attempt % 4 < 2);
            services_.pauseAt(&window_, std::numeric_limits<std::int64_t>::max());
            Clock::time_point clicked;
            std::thread user;
            if (attempt % 2 == 0) {
                user = std::thread([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(200));
                    clicked = Clock::now();
                    postClick(window_.cmdTauko);
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

    static void postClick(QWidget* button) {
        const QPointF at = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(at);
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                button,
                new QMouseEvent(type, at, global, Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
        }
    }

    SystemClock clock_;
    RowEngine engine_;
    PausingServices services_;
    Zarno window_;
};

// Draw and score on this thread alone, as one worker does.
double oneThreadRowsPerSecond(int level) {
    SystemClock clock;
    RandomNumbers random(clock, freshSeed(clock));
    const Play play = benchPlay(level);
    constexpr int rows = 5'000'000;
    std::array<std::uint8_t, 1000> hits{};
    const auto start = Clock::now();
    for (int n = 0; n < rows; ++n) {
        random.reseed();
        hits[static_cast<std::size_t>(n % 1000)] =
            static_cast<std::uint8_t>(scoreRow(drawRow(random, [](int, int) {}), play));
    }
    const double seconds = secondsSince(start);
    std::printf("(checksum %d)\n", hits[999]);
    return rows / seconds;
}

// The engine with all its workers and a consumer that commits every row in passes of 1000.
double engineRowsPerSecond(int level, std::int64_t rows) {
    SystemClock clock;
    RowEngine engine(clock, freshSeed(clock));
    SimulationState::Row last{};
    HitCounts counts{};
    engine.beginSeries(benchPlay(level));
    const auto start = Clock::now();
    for (std::int64_t done = 0; done < rows;) {
        const auto hits = engine.ready(1000, std::chrono::milliseconds(100));
        for (const std::uint8_t h : hits) {
            ++counts[h];
        }
        engine.commit(hits.size(), last);
        done += static_cast<std::int64_t>(hits.size());
    }
    return static_cast<double>(rows) / secondsSince(start);
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
    std::int64_t fastRows = 200'000'000;
    std::int64_t slowRows = 200'000'000;
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
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));

    WindowBench bench;
    double coreWorst = 1e300, engineWorst = 1e300, fastWorst = 1e300, slowWorst = 1e300;
    double allocsWorst = 0;
    for (const int level : {2, 10}) {
        const std::string suffix = "_l" + std::to_string(level);
        const double core = oneThreadRowsPerSecond(level);
        const double engine = engineRowsPerSecond(level, std::max(fastRows, slowRows));
        const Series fast = bench.run(level, true, fastRows);
        const Series slow = bench.run(level, false, slowRows);
        printFigure(("core_rows_per_s_1thread" + suffix).c_str(), core, "rows/s");
        printFigure(("engine_rows_per_s" + suffix).c_str(), engine, "rows/s");
        printFigure(("fast_rows_per_s" + suffix).c_str(), fast.rowsPerSecond, "rows/s");
        printFigure(("slow_rows_per_s" + suffix).c_str(), slow.rowsPerSecond, "rows/s");
        coreWorst = std::min(coreWorst, core);
        engineWorst = std::min(engineWorst, engine);
        fastWorst = std::min(fastWorst, fast.rowsPerSecond);
        slowWorst = std::min(slowWorst, slow.rowsPerSecond);
        allocsWorst = std::max({allocsWorst, fast.allocationsPerRow, slow.allocationsPerRow});
    }
    const double latency = bench.pauseLatencyMs();
    printFigure("threads", bench.workers(), "workers");
    printFigure("core_rows_per_s_1thread", coreWorst, "rows/s");
    printFigure("engine_rows_per_s", engineWorst, "rows/s");
    printFigure("engine_scaling", engineWorst / coreWorst, "ratio");
    printFigure("fast_rows_per_s", fastWorst, "rows/s");
    printFigure("slow_rows_per_s", slowWorst, "rows/s");
    printFigure("fast_vs_engine", fastWorst / engineWorst, "ratio");
    printFigure("slow_vs_engine", slowWorst / engineWorst, "ratio");
    printFigure("pause_latency_ms", latency, "ms");
    printFigure("peak_rss_mb", peakResidentMegabytes(), "MB");
    printFigure("allocs_per_row", allocsWorst, "allocs");
    return 0;
}

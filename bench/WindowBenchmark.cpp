// Rows per second: one bare thread, the engine with all its workers, the window's thread
// committing rows that are always ready, and the real window in fast and non-fast mode, also with
// the chart window open; with the pause latency, how long events wait for the window's thread,
// the peak memory and the allocations per row. Offscreen by default; on an X display with
// --display NAME.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/AllocationCounter.h"
#include "bench/BenchPlay.h"
#include "bench/EngineRate.h"
#include "bench/Figures.h"
#include "core/engine/DrawGenerator.h"
#include "core/engine/Lanes.h"
#include "core/engine/RowEngine.h"
#include "core/series/Series.h"
#include "ui/ChartWindow.h"
#include "ui/Zarno.h"

namespace zarno::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The calling thread's own time on a core: what committing costs, without the stretches in
// which the scheduler gives the core to the workers that draw beside it.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A jackpot's message would wait for a click: the benchmark clicks OK at once.
// OK on a message, with its check box ticked where it has one: the series' later jackpots pass
// as they do for a player who watches level 10 at full speed.
void acknowledge(Zarno& window) {
    if (QMessageBox* box = window.message()) {
        if (QCheckBox* letPass = box->checkBox()) {
            letPass->setChecked(true);
        }
        box->accept();
    }
}

struct RunFigures {
    double rowsPerSecond = 0;
    double allocationsPerRow = 0;
};

// An event that knows when it was posted, and a receiver on the window's thread that keeps how
// long each waited.
class Probe : public QObject {
public:
    static inline const auto posted = static_cast<QEvent::Type>(QEvent::registerEventType());
    struct Posted : QEvent {
        explicit Posted(Clock::time_point when) : QEvent(posted), at(when) {}
        Clock::time_point at;
    };

    bool event(QEvent* event) override {
        if (event->type() != posted) {
            return QObject::event(event);
        }
        waits.push_back(millisecondsBetween(static_cast<Posted*>(event)->at, Clock::now()));
        return true;
    }

    // Posts events from another thread, one every few milliseconds, for as long as the
    // window's event loop runs `seconds`; the median and the 99th percentile of their waits.
    std::pair<double, double> measure(double seconds) {
        waits.clear();
        std::atomic<bool> done{false};
        std::thread poster([&] {
            std::mt19937 random(7);
            while (!done) {
                std::this_thread::sleep_for(std::chrono::microseconds(
                    std::uniform_int_distribution<int>(1000, 3000)(random)));
                QCoreApplication::postEvent(this, new Posted(Clock::now()));
            }
        });
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
        loop.exec();
        done = true;
        poster.join();
        QCoreApplication::sendPostedEvents(this);
        std::sort(waits.begin(), waits.end());
        const auto at = [this](double q) {
            const auto last = static_cast<double>(waits.size() - 1);
            return waits.empty() ? 0.0 : waits[static_cast<std::size_t>(q * last)];
        };
        return {at(0.5), at(0.99)};
    }

    std::vector<double> waits;
};

class WindowBench {
public:
    explicit WindowBench(unsigned workers = 0)
        : engine_(clock_, freshSeed(clock_), workers), series_(engine_), window_(series_) {
        window_.show();
        QEventLoop settle;
        QTimer::singleShot(300, &settle, &QEventLoop::quit);
        settle.exec();
    }

    unsigned workers() const { return engine_.workers(); }
    Zarno& window() { return window_; }

    // A new series at a level with the numbers of benchPlay, drawn by the window's own ticks
    // until `rows` rows, when the user pauses.
    RunFigures run(int level, bool fast, std::int64_t rows) {
        prepare(level, fast);
        const auto rowsNow = [this] { return series_.snapshot().tally.rows; };
        std::int64_t warmRows = -1;
        std::size_t warmAllocations = 0;
        double allocationsPerRow = 0;
        QEventLoop loop;
        // Looks often while a jackpot's message may come, to answer it at once, and seldom
        // after: each look wakes the window's thread, whose work is what is measured.
        const auto lookEvery = [&] {
            return level == maxLevel && window_.run().jackpotsStop() ? 1 : 10;
        };
        QTimer watch;
        watch.setInterval(lookEvery());
        QObject::connect(&watch, &QTimer::timeout, [&] {
            acknowledge(window_);
            if (watch.interval() != lookEvery()) {
                watch.setInterval(lookEvery());
            }
            const std::int64_t now = rowsNow();
            if (warmRows < 0 && now >= rows / 10) {
                warmRows = now;
                warmAllocations = allocationCount();
            }
            if (now >= rows) {
                allocationsPerRow = static_cast<double>(allocationCount() - warmAllocations) /
                                    static_cast<double>(std::max<std::int64_t>(1, now - warmRows));
                window_.button(Control::cmdTauko)->click();
                loop.quit();
            }
        });
        watch.start();
        const auto start = Clock::now();
        window_.button(Control::cmdAloitaArvonta)->click();
        loop.exec();
        return {static_cast<double>(rowsNow()) / secondsSince(start), allocationsPerRow};
    }

    // From a click posted from another thread, as input reaches the window, to the pause
    // handler's end, in milliseconds: the worst of several, while rows are drawn.
    double pauseLatencyMs() {
        double worst = 0;
        for (int attempt = 0; attempt < 6; ++attempt) {
            prepare(10, attempt % 2 == 0);
            Clock::time_point clicked;
            Clock::time_point handled;
            QEventLoop loop;
            const auto connection =
                QObject::connect(window_.button(Control::cmdTauko), &QPushButton::clicked, [&] {
                    handled = Clock::now();
                    loop.quit();
                });
            std::thread user([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                clicked = Clock::now();
                postClick(window_.button(Control::cmdTauko));
            });
            window_.button(Control::cmdAloitaArvonta)->click();
            loop.exec();
            user.join();
            QObject::disconnect(connection);
            worst = std::max(worst, millisecondsBetween(clicked, handled));
        }
        return worst;
    }

    // The rows per second of its own time that the window's thread commits, tallies and presents
    // when rows are always ready: the workers fill every block they may hold while no tick runs,
    // then one tick takes them all.
    double commitRowsPerSecond(int level, bool fast) {
        prepare(level, fast);
        window_.button(Control::cmdAloitaArvonta)->click();
        double rows = 0;
        double seconds = 0;
        for (int round = 0; round < 40; ++round) {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            acknowledge(window_);
            const std::int64_t before = series_.snapshot().tally.rows;
            const double start = threadCpuSeconds();
            window_.tick(Series::Deadline::max(), true);
            // A round that ends in a jackpot's message measures the making of a message box,
            // milliseconds, not the committing.
            if (!window_.message()) {
                seconds += threadCpuSeconds() - start;
                rows += static_cast<double>(series_.snapshot().tally.rows - before);
            }
        }
        window_.button(Control::cmdTauko)->click();
        return rows / seconds;
    }

private:
    void prepare(int level, bool fast) {
        if (window_.button(Control::cmdJatka)->isVisible()) {
            window_.button(Control::cmdReset)->click();
        }
        window_.comboBox(Control::cmbTaso)->setCurrentIndex(level - minLevel);
        window_.cmbTaso_Click();  // what choosing the entry runs
        for (int i = 0; i < level; ++i) {
            window_.numberBox(i)->setCurrentIndex(7 * i);
        }
        window_.checkBox(Control::chkFast)->setChecked(fast);
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
    Series series_;
    Zarno window_;
};

// The engine and the window, fast and not, at a level: each the best of five, measured side by
// side. A shared machine's speed drifts over the minutes the benchmark takes, and what else runs
// on it only ever slows a measurement down: a single round of the same run moves by up to ten
// points, and with three the slowest of a run's twenty ratios often fell well under the rest.
// The allocations are the most any run made a row.
struct SideBySide {
    double engine = 0;
    RunFigures fast;
    RunFigures slow;
};

SideBySide bestOfRounds(WindowBench& bench, int level, std::int64_t fastRows,
                        std::int64_t slowRows) {
    const auto keepBest = [](RunFigures& best, const RunFigures& run) {
        best.rowsPerSecond = std::max(best.rowsPerSecond, run.rowsPerSecond);
        best.allocationsPerRow = std::max(best.allocationsPerRow, run.allocationsPerRow);
    };
    SideBySide best;
    for (int round = 0; round < measuredRounds; ++round) {
        best.engine =
            std::max(best.engine, engineRowsPerSecond(level, std::max(fastRows, slowRows)));
        keepBest(best.fast, bench.run(level, true, fastRows));
        keepBest(best.slow, bench.run(level, false, slowRows));
    }
    return best;
}

// Draw and score on this thread alone, as one worker does: in the lanes of the processor's best
// target, as many blocks as they draw together.
double oneThreadRowsPerSecond(int level) {
    SystemClock clock;
    const Play play = benchPlay(level);
    const Target target = bestTarget(processorFeatures());
    const auto lanes = static_cast<std::size_t>(lanesOf(target));
    constexpr int rows = 1000;
    std::vector<std::vector<std::uint8_t>> hits(lanes, std::vector<std::uint8_t>(rows));
    std::vector<std::vector<std::uint64_t>> starts(lanes, std::vector<std::uint64_t>(rows));
    std::vector<LaneBlock> blocks;
    for (std::size_t b = 0; b < lanes; ++b) {
        const RandomNumbers random(clock, freshSeed(clock), b);
        blocks.push_back({random.position(), random.increment(), hits[b].data(), starts[b].data()});
    }
    const std::int64_t stretches = 5'000'000 / (rows * static_cast<std::int64_t>(lanes)) + 1;
    const auto start = Clock::now();
    for (std::int64_t n = 0; n < stretches; ++n) {
        drawLanes(target, blocks, 0, rows, play, clock);
    }
    const double seconds = secondsSince(start);
    std::printf("(checksum %d)\n", hits.front().back());
    return static_cast<double>(stretches * rows * static_cast<std::int64_t>(lanes)) / seconds;
}

// Lets the chart's thread work out the exact laws the visible tab asks for: the levels' tab asks
// for all nine, a few seconds of one core, which must not run beside the measurement.
void settleLaws(const ChartWindow& chart) {
    const auto ready = [&chart] {
        const QTableWidget* levels = chart.table(ChartWindow::levelsTab);
        if (chart.tabs()->currentIndex() != ChartWindow::levelsTab || levels->rowCount() == 0) {
            return true;
        }
        for (int r = 0; r < levels->rowCount(); ++r) {
            if (levels->item(r, 5)->text().isEmpty()) {  // the share ahead after 52 rows
                return false;
            }
        }
        return true;
    };
    const auto start = Clock::now();
    do {
        QEventLoop settle;
        QTimer::singleShot(250, &settle, &QEventLoop::quit);
        settle.exec();
    } while ((!ready() || secondsSince(start) < 1) && secondsSince(start) < 60);
}

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Starts the peak again from what is resident now, where the system allows it (Linux); where it
// does not, the peak stays the whole process's, which is never less.
void restartPeak() {
    if (std::FILE* file = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", file);
        std::fclose(file);
    }
}

}  // namespace
}  // namespace zarno::bench

int main(int argc, char** argv) {
    using namespace zarno;
    using namespace zarno::bench;
    std::int64_t fastRows = 200'000'000;
    std::int64_t slowRows = 200'000'000;
    std::int64_t chartRows = 1'000'000'000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--display") == 0) {
            qputenv("QT_QPA_PLATFORM", "xcb");
            qputenv("DISPLAY", argv[i + 1]);
        } else if (std::strcmp(argv[i], "--fast-rows") == 0) {
            fastRows = std::stoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--slow-rows") == 0) {
            slowRows = std::stoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--chart-rows") == 0) {
            chartRows = std::stoll(argv[i + 1]);
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
        const auto [engine, fast, slow] = bestOfRounds(bench, level, fastRows, slowRows);
        printFigure(("core_rows_per_s_1thread" + suffix).c_str(), core, "rows/s");
        printFigure(("engine_rows_per_s" + suffix).c_str(), engine, "rows/s");
        printFigure(("fast_rows_per_s" + suffix).c_str(), fast.rowsPerSecond, "rows/s");
        printFigure(("slow_rows_per_s" + suffix).c_str(), slow.rowsPerSecond, "rows/s");
        // At level 10 with the first jackpot's message; the later ones pass.
        printFigure(("allocs_per_row" + suffix).c_str(),
                    std::max(fast.allocationsPerRow, slow.allocationsPerRow), "allocs");
        coreWorst = std::min(coreWorst, core);
        engineWorst = std::min(engineWorst, engine);
        fastWorst = std::min(fastWorst, fast.rowsPerSecond);
        slowWorst = std::min(slowWorst, slow.rowsPerSecond);
        allocsWorst = std::max({allocsWorst, fast.allocationsPerRow, slow.allocationsPerRow});
    }
    const double latency = bench.pauseLatencyMs();

    // How long an event waits for the window's thread, idle and while rows are drawn.
    Probe probe;
    const auto idle = probe.measure(3);
    std::pair<double, double> drawing{0, 0};
    for (const bool fast : {true, false}) {
        bench.run(2, fast, 1);  // a series that goes on after the pause is continued below
        bench.window().button(Control::cmdJatka)->click();
        const auto waits = probe.measure(3);
        bench.window().button(Control::cmdTauko)->click();
        drawing = {std::max(drawing.first, waits.first), std::max(drawing.second, waits.second)};
    }

    // The same with the chart window open on each tab, each drawn once a frame; and the memory
    // after a long series with every tab visited. Without the chart the peak is the process's,
    // the engines measured beside the window included.
    const double peakWithoutChart = peakResidentMegabytes();
    bench.window().cmdKaavio_Click();
    QTabWidget* tabs = bench.window().chartWindow()->tabs();
    double fastChart = 1e300, slowChart = 1e300, fastChartRatio = 1e300, slowChartRatio = 1e300;
    const std::pair<ChartWindow::Tab, const char*> named[] = {{ChartWindow::payoutTab, "payout"},
                                                              {ChartWindow::hitsTab, "hits"},
                                                              {ChartWindow::playersTab, "players"},
                                                              {ChartWindow::budgetTab, "budget"},
                                                              {ChartWindow::levelsTab, "levels"}};
    for (const auto& [tab, name] : named) {
        tabs->setCurrentIndex(tab);
        for (const int level : {2, 10}) {
            // The chart works out a level's exact laws once, for a good part of a second;
            // measured is the steady drawing after that.
            bench.run(level, true, 1'000'000);
            settleLaws(*bench.window().chartWindow());
        }
        // Each against the engine measured beside it.
        double fast = 1e300, slow = 1e300, fastRatio = 1e300, slowRatio = 1e300;
        for (const int level : {2, 10}) {
            const SideBySide here = bestOfRounds(bench, level, fastRows / 4, slowRows / 4);
            const double engine = here.engine;
            const double fastHere = here.fast.rowsPerSecond;
            const double slowHere = here.slow.rowsPerSecond;
            fast = std::min(fast, fastHere);
            slow = std::min(slow, slowHere);
            fastRatio = std::min(fastRatio, fastHere / engine);
            slowRatio = std::min(slowRatio, slowHere / engine);
            // Level 10's include its jackpots' message boxes, a few milliseconds each.
            const std::string suffix = std::string(name) + "_l" + std::to_string(level);
            printFigure(("fast_chart_vs_engine_" + suffix).c_str(), fastHere / engine, "ratio");
            printFigure(("slow_chart_vs_engine_" + suffix).c_str(), slowHere / engine, "ratio");
        }
        printFigure((std::string("fast_chart_vs_engine_") + name).c_str(), fastRatio, "ratio");
        printFigure((std::string("slow_chart_vs_engine_") + name).c_str(), slowRatio, "ratio");
        fastChart = std::min(fastChart, fast);
        slowChart = std::min(slowChart, slow);
        fastChartRatio = std::min(fastChartRatio, fastRatio);
        slowChartRatio = std::min(slowChartRatio, slowRatio);
    }
    // The window's own peak over its long series: the engines measured beside it above, each
    // with a ring of blocks as large as the paused window's, are the benchmark's, not the
    // window's, so they count in the process's figure alone.
    const double peakOfProcess = peakResidentMegabytes();
    restartPeak();
    tabs->setCurrentIndex(ChartWindow::playersTab);
    bench.run(10, true, chartRows);
    const double peakWithChart = peakResidentMegabytes();

    // The committing thread on its own, with as many workers as it may ever have: after the
    // memory figures, which are the window's with this machine's workers.
    double commit = 1e300;
    {
        WindowBench many(RowEngine::maxWorkers);
        for (const bool fast : {true, false}) {
            commit = std::min(commit, many.commitRowsPerSecond(10, fast));
        }
    }

    printFigure("threads", bench.workers(), "workers");
    printFigure("core_rows_per_s_1thread", coreWorst, "rows/s");
    printFigure("engine_rows_per_s", engineWorst, "rows/s");
    printFigure("engine_scaling", engineWorst / coreWorst, "ratio");
    printFigure("fast_rows_per_s", fastWorst, "rows/s");
    printFigure("slow_rows_per_s", slowWorst, "rows/s");
    printFigure("fast_vs_engine", fastWorst / engineWorst, "ratio");
    printFigure("slow_vs_engine", slowWorst / engineWorst, "ratio");
    printFigure("fast_rows_per_s_chart", fastChart, "rows/s");
    printFigure("slow_rows_per_s_chart", slowChart, "rows/s");
    printFigure("fast_chart_vs_engine", fastChartRatio, "ratio");
    printFigure("slow_chart_vs_engine", slowChartRatio, "ratio");
    printFigure("commit_rows_per_s", commit, "rows/s");
    printFigure("commit_workers_kept_up", commit / coreWorst, "workers");
    printFigure("pause_latency_ms", latency, "ms");
    printFigure("event_latency_ms_idle_median", idle.first, "ms");
    printFigure("event_latency_ms_idle_p99", idle.second, "ms");
    printFigure("event_latency_ms_drawing_median", drawing.first, "ms");
    printFigure("event_latency_ms_drawing_p99", drawing.second, "ms");
    printFigure("peak_rss_mb", peakWithoutChart, "MB");
    printFigure("peak_rss_mb_chart", peakWithChart, "MB");
    printFigure("peak_rss_mb_process", std::max(peakOfProcess, peakWithChart), "MB");
    printFigure("rows_with_chart", static_cast<double>(chartRows), "rows");
    printFigure("allocs_per_row", allocsWorst, "allocs");
    return 0;
}

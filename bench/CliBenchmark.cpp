// The command line's figures: rows per second with the progress on, beside the engine's in the
// same run; how long a saved run takes to write and to read; and the peak memory of zarno-cli
// over a long series.
// Usage: zarno-bench-cli [--rows N] [--long-rows N]   (defaults: 2*10^8, 10^9)
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/BenchPlay.h"
#include "bench/EngineRate.h"
#include "bench/Figures.h"
#include "cli/Drawing.h"
#include "cli/ProgressLine.h"
#include "core/document/RunDocument.h"
#include "platform/qt/FileWriting.h"

namespace zarno::bench {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

cli::Request requestFor(std::int64_t rows) {
    cli::Request request;
    request.play = benchPlay(10);
    request.levels = {10};
    request.rows = rows;
    request.seed = 2026;
    return request;
}

// The drawing as zarno-cli does it, the progress line written to nowhere at its own pace.
double cliRowsPerSecond(std::int64_t rows, SeriesRecord& record) {
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    cli::ProgressLine progress(nowhere, rows, Wording('.'));
    const auto start = Clock::now();
    record =
        cli::drawRows(requestFor(rows), [&](std::int64_t drawn) { progress.update(drawn); }).record;
    const double seconds = millisecondsSince(start) / 1000;
    progress.finish();
    std::fclose(nowhere);
    return static_cast<double>(rows) / seconds;
}

// zarno-cli itself over `rows` rows; its peak resident memory.
double cliPeakMegabytes(std::int64_t rows) {
    const std::string count = std::to_string(rows);
    const pid_t child = fork();
    if (child == 0) {
        execl(ZARNO_CLI, ZARNO_CLI, "--level", "10", "--numbers", "1,8,15,22,29,36,43,50,57,64",
              "--rows", count.c_str(), "--seed", "1", "--quiet", "--format", "json", "--output",
              "/dev/null", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace
}  // namespace zarno::bench

int main(int argc, char** argv) {
    using namespace zarno;
    using namespace zarno::bench;
    std::int64_t rows = 200'000'000;
    std::int64_t longRows = 1'000'000'000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rows") == 0) {
            rows = std::stoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--long-rows") == 0) {
            longRows = std::stoll(argv[i + 1]);
        }
    }
    // Each the best of several, side by side, as the window's are.
    double engine = 0;
    double cli = 0;
    SeriesRecord record;
    for (int round = 0; round < measuredRounds; ++round) {
        engine = std::max(engine, engineRowsPerSecond(10, rows));
        cli = std::max(cli, cliRowsPerSecond(rows, record));
    }

    // A run of many rows, saved and read as the chart window does.
    const odds::SessionLaws laws = odds::sessionLaws(10);
    QTemporaryDir folder;
    const QString file = folder.filePath("run.json");
    auto start = Clock::now();
    const std::string document = runDocument(benchPlay(10), record, {2026, false, &laws});
    writeWholeFile(file, QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    const double write = millisecondsSince(start);
    start = Clock::now();
    QFile saved(file);
    saved.open(QIODevice::ReadOnly);
    const QByteArray bytes = saved.readAll();
    const auto read = readRunDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const double reading = millisecondsSince(start);
    if (!std::holds_alternative<SavedRun>(read)) {
        std::fprintf(stderr, "the saved run does not read back\n");
        return 1;
    }

    printFigure("engine_rows_per_s", engine, "rows/s");
    printFigure("cli_rows_per_s", cli, "rows/s");
    printFigure("cli_vs_engine", cli / engine, "ratio");
    printFigure("run_document_kb", static_cast<double>(document.size()) / 1024, "KB");
    printFigure("run_write_ms", write, "ms");
    printFigure("run_read_ms", reading, "ms");
    printFigure("cli_peak_rss_mb", cliPeakMegabytes(longRows), "MB");
    printFigure("cli_peak_rss_rows", static_cast<double>(longRows), "rows");
    return 0;
}

#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace zarno::bench {

// Prints Google Benchmark's table as usual and keeps each benchmark's time (the median when
// the run is repeated, as these machines are noisy), so that the run can end with one
// `figure <name> <value> <unit>` line per figure.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    FigureReporter() : ConsoleReporter(OO_None) {}  // plain text, so the figures can be grepped

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
                nanoseconds_[run.run_name.str()] = run.GetAdjustedRealTime();
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                nanoseconds_[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
    }

    double nanoseconds(const std::string& benchmark) const {
        const auto it = nanoseconds_.find(benchmark);
        return it == nanoseconds_.end() ? -1.0 : it->second;
    }

private:
    std::map<std::string, double> nanoseconds_;
};

inline void printFigure(const char* name, double value, const char* unit) {
    std::printf("figure %s %.4g %s\n", name, value, unit);
    std::fflush(stdout);
}

}  // namespace zarno::bench

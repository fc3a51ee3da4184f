// What each worker does for a row, with no window: draw and score, beside a literal reference.
#include <benchmark/benchmark.h>

#include <algorithm>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "bench/AllocationCounter.h"
#include "bench/BenchPlay.h"
#include "bench/Figures.h"
#include "core/engine/DrawGenerator.h"
#include "core/engine/Lanes.h"
#include "core/engine/Play.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/LessonOdds.h"
#include "core/odds/SessionOdds.h"
#include "platform/RandomNumbers.h"

namespace zarno::bench {
namespace {

struct Generator {
    SystemClock clock;
    RandomNumbers random{clock, freshSeed(clock)};
};

void BM_DrawNumbers(benchmark::State& state) {
    Generator g;
    Row row{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawNumbers(row, g.random));
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_DrawNumbers);

void BM_ScoreRow(benchmark::State& state) {
    Generator g;
    const Play play = benchPlay(static_cast<int>(state.range(0)));
    std::vector<NumberSet> rows(1024);
    Row row{};
    for (NumberSet& set : rows) {
        set = drawNumbers(row, g.random);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scoreRow(rows[next++ % rows.size()], play));
    }
}
BENCHMARK(BM_ScoreRow)->Arg(2)->Arg(10);

std::size_t allocationsPerMillionRows = 0;

// A worker's row: the reseed, the generator's position kept, the draw and the hits kept.
void BM_DrawAndScore(benchmark::State& state) {
    Generator g;
    const Play play = benchPlay(static_cast<int>(state.range(0)));
    std::vector<std::uint8_t> hits(1000);
    std::vector<std::uint64_t> starts(1000);
    std::size_t row = 0;
    const std::size_t before = allocationCount();
    std::int64_t rows = 0;
    for (auto _ : state) {
        g.random.reseed();
        starts[row] = g.random.position();
        hits[row] = static_cast<std::uint8_t>(scoreRow(drawRow(g.random, [](int, int) {}), play));
        row = row + 1 == hits.size() ? 0 : row + 1;
        ++rows;
    }
    benchmark::DoNotOptimize(hits.data());
    benchmark::DoNotOptimize(starts.data());
    allocationsPerMillionRows = (allocationCount() - before) * 1'000'000 /
                                static_cast<std::size_t>(std::max<std::int64_t>(rows, 1));
}
BENCHMARK(BM_DrawAndScore)->Arg(2)->Arg(10);

// A worker's rows in the vector lanes of each target the processor offers, as many blocks as the
// target draws at once, 1000 rows of each; the time is per row.
void BM_LanesDrawAndScore(benchmark::State& state) {
    const auto target = static_cast<Target>(state.range(0));
    SystemClock clock;
    const Play play = benchPlay(10);
    const auto lanes = static_cast<std::size_t>(lanesOf(target));
    std::vector<std::vector<std::uint8_t>> hits(lanes, std::vector<std::uint8_t>(1000));
    std::vector<std::vector<std::uint64_t>> starts(lanes, std::vector<std::uint64_t>(1000));
    std::vector<LaneBlock> blocks;
    for (std::size_t b = 0; b < lanes; ++b) {
        const RandomNumbers random(clock, freshSeed(clock), b);
        blocks.push_back({random.position(), random.increment(), hits[b].data(), starts[b].data()});
    }
    for (auto _ : state) {
        drawLanes(target, blocks, 0, 1000, play, clock);
        benchmark::DoNotOptimize(hits.front().data());
    }
    state.SetItemsProcessed(state.iterations() * 1000 * static_cast<std::int64_t>(lanes));
}
BENCHMARK(BM_LanesDrawAndScore)->Apply([](benchmark::internal::Benchmark* benchmark) {
    for (const Target target : offeredTargets(processorFeatures())) {
        benchmark->Arg(static_cast<int>(target));
    }
});

// The reference: the draw and the count exactly as written, with a Mersenne Twister reseeded
// from the clock and its own output before every row, and 20 comparisons per candidate.
class NaiveSimulation {
public:
    explicit NaiveSimulation(int level) : level_(level) {
        for (int i = 0; i < level; ++i) {
            numbers_[static_cast<std::size_t>(i)] = 3 * i + 5;
        }
    }

    void drawNumbers() {
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        generator_.seed(static_cast<std::uint32_t>(now) ^ generator_());
        drawn_.fill(0);
        for (std::int16_t i = 0; i < 20; ++i) {
            do {
                const double r = uniform_(generator_);
                drawn_[static_cast<std::size_t>(i)] =
                    static_cast<std::int16_t>(std::floor(r * 70) + 1);
            } while (isDrawnAlready(drawn_[static_cast<std::size_t>(i)], i));
        }
    }

    void scoreRow() {
        int hits = 0;
        for (int i = 0; i < level_; ++i) {
            for (int j = 0; j < 20; ++j) {
                if (numbers_[static_cast<std::size_t>(i)] == drawn_[static_cast<std::size_t>(j)]) {
                    ++hits;
                }
            }
        }
        ++hitCounts_[static_cast<std::size_t>(hits)];
    }

private:
    bool isDrawnAlready(std::int16_t candidate, std::int16_t index) const {
        bool found = false;
        for (std::int16_t j = 0; j < 20; ++j) {
            if (drawn_[static_cast<std::size_t>(j)] == candidate && j != index) {
                found = true;
            }
        }
        return found;
    }

    int level_;
    std::array<double, 10> numbers_{};
    std::array<std::int16_t, 20> drawn_{};
    std::array<std::int64_t, 11> hitCounts_{};
    std::mt19937 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

void BM_NaiveDrawNumbers(benchmark::State& state) {
    NaiveSimulation naive(2);
    for (auto _ : state) {
        naive.drawNumbers();
    }
}
BENCHMARK(BM_NaiveDrawNumbers);

void BM_NaiveDrawAndScore(benchmark::State& state) {
    NaiveSimulation naive(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        naive.drawNumbers();
        naive.scoreRow();
    }
}
BENCHMARK(BM_NaiveDrawAndScore)->Arg(2)->Arg(10);

// Each exact computation of the chart once, on one core: its slowest level. They take from
// milliseconds to seconds, too long to repeat.
void exactFigures() {
    const auto timed = [](const auto& work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    double sessions = 0, crowd = 0, budget100 = 0, budget1000 = 0, budget10000 = 0, lesson = 0;
    for (int level = minLevel; level <= maxLevel; ++level) {
        sessions = std::max(sessions, timed([&] { odds::sessionLaws(level); }));
        crowd = std::max(crowd, timed([&] { odds::crowdLaw(level, odds::crowdGrid); }));
        budget100 = std::max(budget100, timed([&] { odds::budgetLaw(level, 100); }));
        // The lesson's longest: 20 rows a week for 50 years, 52 000 rows a player.
        lesson = std::max(
            lesson, timed([&] { odds::lessonLaw(level, odds::mostRowsAWeek, odds::mostYears); }));
    }
    for (const int level : {2, 8, 10}) {
        budget1000 = std::max(budget1000, timed([&] { odds::budgetLaw(level, 1000); }));
        budget10000 = std::max(budget10000, timed([&] { odds::budgetLaw(level, 10'000); }));
    }
    printFigure("exact_ms_sessions_and_crowd", sessions, "ms");
    printFigure("exact_ms_crowd", crowd, "ms");
    printFigure("exact_ms_budget_100", budget100, "ms");
    printFigure("exact_ms_budget_1000", budget1000, "ms");
    printFigure("exact_ms_budget_10000", budget10000, "ms");
    printFigure("exact_ms_lesson_52000_rows", lesson, "ms");
}

}  // namespace
}  // namespace zarno::bench

int main(int argc, char** argv) {
    using namespace zarno::bench;
    // Five repetitions by default; the figures are their medians.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions, aggregatesOnly});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printFigure("core_draw_ns", reporter.nanoseconds("BM_DrawNumbers"), "ns");
    printFigure("core_score_l2_ns", reporter.nanoseconds("BM_ScoreRow/2"), "ns");
    printFigure("core_score_l10_ns", reporter.nanoseconds("BM_ScoreRow/10"), "ns");
    printFigure("core_draw_score_l2_ns", reporter.nanoseconds("BM_DrawAndScore/2"), "ns");
    printFigure("core_draw_score_scalar_ns", reporter.nanoseconds("BM_DrawAndScore/10"), "ns");
    // Each target's row, and the best one's beside the scalar path's in the same run.
    const auto lanesRow = [&](zarno::Target target) {
        return reporter.nanoseconds("BM_LanesDrawAndScore/" +
                                    std::to_string(static_cast<int>(target))) /
               (1000.0 * zarno::lanesOf(target));
    };
    for (const zarno::Target target : zarno::offeredTargets(zarno::processorFeatures())) {
        printFigure(("core_draw_score_ns_" + std::string(zarno::nameOf(target))).c_str(),
                    lanesRow(target), "ns");
    }
    const zarno::Target best = zarno::bestTarget(zarno::processorFeatures());
    std::printf("target %s\n", std::string(zarno::nameOf(best)).c_str());
    printFigure("core_draw_score_ns", lanesRow(best), "ns");
    printFigure("core_lanes_vs_scalar", reporter.nanoseconds("BM_DrawAndScore/10") / lanesRow(best),
                "ratio");
    printFigure("core_allocs_per_row", static_cast<double>(allocationsPerMillionRows) / 1e6,
                "allocs");
    printFigure("naive_draw_ns", reporter.nanoseconds("BM_NaiveDrawNumbers"), "ns");
    printFigure("naive_draw_score_l2_ns", reporter.nanoseconds("BM_NaiveDrawAndScore/2"), "ns");
    printFigure("naive_draw_score_ns", reporter.nanoseconds("BM_NaiveDrawAndScore/10"), "ns");
    exactFigures();
    benchmark::Shutdown();
    return 0;
}

#include "core/chart/ChartFigures.h"

#include <algorithm>
#include <cmath>

#include "core/odds/Odds.h"
#include "core/tables/TableData.h"

namespace zarno::chart {
namespace {

// The funnel is drawn through this many steps across the axis.
constexpr int funnelSteps = 120;
// The players' histogram has at most this many bars for the sessions not ahead.
constexpr int histogramBars = 40;

}  // namespace

PayoutFigure payoutFigure(const SeriesRecord& record, int level) {
    PayoutFigure figure;
    figure.firstRows = static_cast<double>(refreshStride);
    const double shownRows = std::max(static_cast<double>(record.rows()), figure.firstRows);
    figure.lastRows = std::max(1e4, std::pow(10.0, std::ceil(std::log10(shownRows))));
    if (!isLevel(level)) {
        return figure;
    }
    // The bands narrow with the square root of the rows; drawn over the whole axis.
    const double expected = 100 * odds::expectedPrize(level);
    for (int i = 0; i <= funnelSteps; ++i) {
        const double at = figure.firstRows * std::pow(figure.lastRows / figure.firstRows,
                                                      static_cast<double>(i) / funnelSteps);
        const auto rows = static_cast<std::int64_t>(at);
        const odds::Band two = odds::payoutBand(level, rows, 2);
        const odds::Band three = odds::payoutBand(level, rows, 3);
        figure.funnel.push_back({at, three.low, two.low, expected, two.high, three.high});
    }
    for (const PayoutPoint& point : record.path()) {
        figure.path.push_back(
            {static_cast<double>(point.rows), percentOf(point.winnings, point.rows)});
    }
    if (record.rows() >= refreshStride &&
        (figure.path.empty() || figure.path.back().rows < static_cast<double>(record.rows()))) {
        figure.path.push_back(
            {static_cast<double>(record.rows()), percentOf(record.winnings(), record.rows())});
    }
    // From the widest band at the left edge, but with room for where the payout stands.
    const FunnelPoint& mouth = figure.funnel.front();
    double low = std::max(0.0, mouth.low3);
    double high = std::min(mouth.high3, 2 * expected);
    if (!figure.path.empty()) {
        const double now = figure.path.back().payout;
        if (now >= 0 && now <= 4 * expected) {
            low = std::min(low, now);
            high = std::max(high, now);
        }
    }
    figure.low = low - 1;
    figure.high = high + 1;
    return figure;
}

bool strays(double deviation) {
    return std::fabs(deviation) > 2;
}

std::vector<HitFigure> hitsFigure(const SeriesRecord& record, int level) {
    std::vector<HitFigure> figure;
    for (int k = 0; isLevel(level) && k <= level; ++k) {
        HitFigure bar{k, 100 * odds::hitChance(level, k)};
        const std::int64_t count = record.hits()[static_cast<std::size_t>(k)];
        if (count > 0) {  // nothing to show on a logarithmic scale otherwise
            bar.observed = percentOf(count, record.rows());
            bar.strays = strays(odds::hitDeviation(level, k, count, record.rows()));
        }
        figure.push_back(bar);
    }
    return figure;
}

PlayersFigure playersFigure(const SessionTally& tally, const odds::SessionLaw* law) {
    PlayersFigure figure;
    const int length = tally.length;
    figure.width = (length + histogramBars) / histogramBars;
    figure.observed = tally.completed > 0;
    const int width = figure.width;
    const int bars = (length + width) / width;
    for (int bar = 0; bar < bars; ++bar) {
        std::int64_t seen = 0;
        double chance = 0;
        for (int won = bar * width; won < std::min((bar + 1) * width, length + 1); ++won) {
            seen += tally.byWinnings[static_cast<std::size_t>(won)];
            chance += law ? law->byWinnings[static_cast<std::size_t>(won)] : 0;
        }
        const double net = bar * width - length + (width - 1) / 2.0;
        figure.bars.push_back(
            {net, figure.observed ? percentOf(seen, tally.completed) : 0, 100 * chance});
    }
    const HistogramBar ahead{static_cast<double>(width),
                             figure.observed ? percentOf(tally.ahead, tally.completed) : 0,
                             law ? 100 * law->ahead : 0};
    figure.bars.push_back(ahead);
    figure.aheadTop = std::max(ahead.observed, ahead.exact);
    return figure;
}

std::vector<LevelBar> levelsFigure(std::span<const int> levels,
                                   std::span<const odds::SessionLaws* const> laws,
                                   std::size_t column) {
    const tables::DataTable table = tables::levelsData(levels, laws);
    if (column == 0 || column >= table.columns.size()) {
        return {};
    }
    const tables::Format format = table.columns[column].format;
    const bool share =
        format == tables::Format::significantPercent || format == tables::Format::percent;
    std::vector<LevelBar> bars;
    for (const auto& row : table.rows) {
        const tables::Cell& cell = row[column];
        double value = 0;
        if (const auto* real = std::get_if<double>(&cell)) {
            value = share ? 100 * *real : *real;
        } else if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
            value = static_cast<double>(*whole);
        } else {
            continue;
        }
        bars.push_back({static_cast<int>(
                            std::get<std::int64_t>(row[tables::at(tables::levelsTable, "level")])),
                        value});
    }
    return bars;
}

std::vector<FanPoint> crowdFigure(int level, const odds::SessionLaws* laws) {
    std::vector<FanPoint> fan;
    if (!laws || !isLevel(level)) {
        return fan;
    }
    for (const odds::CrowdPoint& point : laws->crowd) {
        FanPoint drawn{static_cast<double>(point.rows), {}, odds::expectedNet(level, point.rows)};
        std::copy(point.net.begin(), point.net.end(), drawn.net.begin());
        fan.push_back(drawn);
    }
    return fan;
}

ObservedCrowd observedCrowdFigure(const CrowdTally& crowd) {
    ObservedCrowd figure;
    if (crowd.completed == 0) {
        return figure;
    }
    for (std::size_t i = 0; i < odds::crowdGrid.size(); ++i) {
        FanPoint point{static_cast<double>(odds::crowdGrid[i]), {}, 0};
        for (std::size_t s = 0; s < odds::crowdPercents.size(); ++s) {
            point.net[s] = static_cast<double>(crowd.net(i, odds::crowdPercents[s]).value_or(0));
        }
        figure.fan.push_back(point);
    }
    for (const CrowdTally::Path& path : crowd.paths) {
        std::vector<double> net;
        for (std::size_t i = 0; i < path.size(); ++i) {
            net.push_back(static_cast<double>(path[i] - odds::crowdGrid[i]));
        }
        figure.paths.push_back(std::move(net));
    }
    const auto last = [](const std::vector<double>& path) { return path.back(); };
    for (std::size_t p = 0; p < figure.paths.size(); ++p) {
        if (last(figure.paths[p]) > last(figure.paths[figure.luckiest])) {
            figure.luckiest = p;
        }
        if (last(figure.paths[p]) < last(figure.paths[figure.unluckiest])) {
            figure.unluckiest = p;
        }
    }
    return figure;
}

}  // namespace zarno::chart

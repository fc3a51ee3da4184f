#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/odds/SessionOdds.h"
#include "core/series/SeriesRecord.h"

// What the chart window draws, as numbers: the window only hands them to its plots.
namespace zarno::chart {

// The payout's funnel at one row count: the exact payout and its 2σ and 3σ bands, in percent.
struct FunnelPoint {
    double rows = 0;
    double low3 = 0, low2 = 0, expected = 0, high2 = 0, high3 = 0;
};
struct PathPoint {
    double rows = 0;
    double payout = 0;  // percent
};
// The payout chart: rows on a logarithmic scale from 1000 to the power of ten at or past the rows
// shown (10 000 at least); the funnel across it; the payout's path from 1000 rows on; and a payout
// range that holds the funnel's mouth and where the payout stands.
struct PayoutFigure {
    double firstRows = 0;
    double lastRows = 0;
    std::vector<FunnelPoint> funnel;  // empty without a level
    std::vector<PathPoint> path;
    double low = 0;
    double high = 0;
};
PayoutFigure payoutFigure(const SeriesRecord& record, int level);

// Whether a count strays from what the odds expect by more than two standard deviations, which
// the hits chart marks.
bool strays(double deviation);

// One hit count's bar: its exact share and, once rows have it, its observed share, in percent.
struct HitFigure {
    int hits = 0;
    double exact = 0;
    std::optional<double> observed;
    bool strays = false;
};
std::vector<HitFigure> hitsFigure(const SeriesRecord& record, int level);

// The players' histogram for one session length: winnings 0 .. length, that is net results
// -length .. 0, in at most 40 bars of equal width, and the sessions ahead in one more bar right
// of 0; each bar the observed and the exact share of the players, in percent.
struct HistogramBar {
    double net = 0;  // the bar's centre
    double observed = 0;
    double exact = 0;
};
struct PlayersFigure {
    int width = 1;  // euros a bar
    std::vector<HistogramBar> bars;
    bool observed = false;  // whether there are players to show
    double aheadTop = 0;    // the top of the last bar, the one of the players ahead
};
PlayersFigure playersFigure(const SessionTally& tally, const odds::SessionLaw* law);

// The crowd's fan at one row count: the exact net results that 5, 25, 50, 75 and 95 % of the
// players reach or stay under, and the expected one, in euros.
struct FanPoint {
    double rows = 0;
    std::array<double, odds::crowdPercents.size()> net{};
    double expected = 0;
};
// The fan over the crowd's grid; empty while the laws are worked out.
std::vector<FanPoint> crowdFigure(int level, const odds::SessionLaws* laws);

// The crowd observed among the series' players of 5 200 rows: the same shares at every row of
// the grid, once a player has completed; and the paths of the first players, net, with the
// luckiest and the unluckiest of them at the last row.
struct ObservedCrowd {
    std::vector<FanPoint> fan;  // no expected line
    std::vector<std::vector<double>> paths;
    std::size_t luckiest = 0;
    std::size_t unluckiest = 0;
};
ObservedCrowd observedCrowdFigure(const CrowdTally& crowd);

// One bar of the levels' chart: a level's figure in one column of their table, a share in percent
// as the table gives it. A figure not worked out yet has no bar.
struct LevelBar {
    int level = 0;
    double value = 0;
};
std::vector<LevelBar> levelsFigure(std::span<const int> levels,
                                   std::span<const odds::SessionLaws* const> laws,
                                   std::size_t column);

}  // namespace zarno::chart

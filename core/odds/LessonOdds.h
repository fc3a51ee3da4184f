#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/odds/SessionOdds.h"

namespace zarno::odds {

// The lesson's choices: a level, some rows a week, for some years.
inline constexpr int weeksAYear = 52;
inline constexpr int mostRowsAWeek = 20;
inline constexpr int mostYears = 50;
constexpr std::int64_t lessonRows(int rowsPerWeek, int years) {
    return std::int64_t{weeksAYear} * rowsPerWeek * years;
}

// The exact law of a player of the lesson, who pays a euro a row: the chance to end ahead, the
// median net result, and the crowd of such players at the end of every year. Exact for every
// choice, up to 20 rows a week for 50 years; incomplete when cancelled.
struct LessonLaw {
    int level = 0;
    int rowsPerWeek = 0;
    int years = 0;
    double ahead = 0;
    std::optional<std::int64_t> medianNet;
    std::vector<CrowdPoint> crowd;  // at the end of years 1, 2, ...: rows played and net results
    bool complete = false;
};
LessonLaw lessonLaw(int level, int rowsPerWeek, int years,
                    const std::atomic<bool>* cancel = nullptr);

// What one row wins: the chance that it wins anything, that it wins its stake back and no more,
// and that it wins more than its stake.
struct RowShares {
    double wins = 0;
    double stakeBack = 0;
    double more = 0;
};
RowShares rowShares(int level);

}  // namespace zarno::odds

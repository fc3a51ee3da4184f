#include "core/odds/LessonOdds.h"

#include <algorithm>
#include <numeric>

#include "core/engine/PrizeTable.h"
#include "core/odds/Convolution.h"
#include "core/odds/Odds.h"
#include "core/odds/Percentile.h"

namespace zarno::odds {
namespace {

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

// One row's winnings, kept to the values 0 .. cap.
std::vector<double> rowLaw(int level, std::size_t cap) {
    std::vector<double> law;
    for (const auto& [prize, chance] : rowPrizes(level)) {
        const auto at = static_cast<std::size_t>(prize);
        if (at <= cap) {
            law.resize(std::max(law.size(), at + 1), 0.0);
            law[at] += chance;
        }
    }
    return law;
}

// The winnings of `rows` rows, kept to 0 .. cap, by squaring; none when cancelled.
std::optional<std::vector<double>> rowsLaw(const std::vector<double>& row, std::int64_t rows,
                                           std::size_t cap, Convolution& convolution,
                                           const std::atomic<bool>* cancel) {
    std::vector<double> result = {1.0};
    std::vector<double> power = row;
    for (std::int64_t left = rows; left > 0; left >>= 1) {
        if (cancelled(cancel)) {
            return std::nullopt;
        }
        if ((left & 1) != 0) {
            result = convolution.sum(result, power, cap);
        }
        if (left > 1) {
            power = convolution.sum(power, power, cap);
        }
    }
    return result;
}

// The net results that the crowd's shares reach after `rows` rows; none when a share lies past
// the values kept.
std::optional<CrowdPoint> crowdAt(const std::vector<double>& law, std::int64_t rows) {
    CrowdPoint point{static_cast<int>(rows), {}};
    double below = 0;
    std::size_t share = 0;
    for (std::size_t w = 0; w < law.size() && share < crowdPercents.size(); ++w) {
        below += law[w];
        while (share < crowdPercents.size() && reaches(below, 1.0, crowdPercents[share])) {
            point.net[share++] = static_cast<std::int64_t>(w) - rows;
        }
    }
    if (share < crowdPercents.size()) {
        return std::nullopt;
    }
    return point;
}

// The law kept to `cap`; false when the cap is too low for the crowd's highest share.
bool lawUpTo(LessonLaw& law, std::size_t cap, const std::atomic<bool>* cancel) {
    Convolution convolution;
    const std::int64_t yearRows = lessonRows(law.rowsPerWeek, 1);
    const auto year = rowsLaw(rowLaw(law.level, cap), yearRows, cap, convolution, cancel);
    if (!year) {
        return true;
    }
    std::vector<double> played = *year;
    law.crowd.clear();
    for (int y = 1; y <= law.years; ++y) {
        if (y > 1) {
            if (cancelled(cancel)) {
                return true;
            }
            played = convolution.sum(played, *year, cap);
        }
        const auto point = crowdAt(played, yearRows * y);
        if (!point) {
            return false;
        }
        law.crowd.push_back(*point);
    }
    const std::int64_t rows = lessonRows(law.rowsPerWeek, law.years);
    const auto stake = static_cast<std::ptrdiff_t>(
        std::min<std::int64_t>(rows + 1, static_cast<std::int64_t>(played.size())));
    law.ahead = std::max(0.0, 1.0 - std::accumulate(played.begin(), played.begin() + stake, 0.0));
    law.medianNet = law.crowd.back().net[2];
    law.complete = true;
    return true;
}

}  // namespace

LessonLaw lessonLaw(int level, int rowsPerWeek, int years, const std::atomic<bool>* cancel) {
    LessonLaw law{level, rowsPerWeek, years};
    static_assert(crowdPercents[2] == 50, "the median is the crowd's middle share");
    // As for the crowd of sessions, two and a half times the stake holds the highest share at
    // every level; should it not, the cap doubles.
    const std::int64_t rows = lessonRows(rowsPerWeek, years);
    for (auto cap = static_cast<std::size_t>(5 * rows / 2 + 10);; cap *= 2) {
        if (lawUpTo(law, cap, cancel) || cancelled(cancel)) {
            return law;
        }
    }
}

RowShares rowShares(int level) {
    RowShares shares;
    for (int k = 0; k <= level; ++k) {
        const std::int64_t won = prize(level, k);
        const double chance = hitChance(level, k);
        shares.wins += won > 0 ? chance : 0;
        shares.stakeBack += won == 1 ? chance : 0;
        shares.more += won > 1 ? chance : 0;
    }
    return shares;
}

}  // namespace zarno::odds

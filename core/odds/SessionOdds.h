#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <future>
#include <map>
#include <vector>

#include "core/series/SeriesRecord.h"

namespace zarno::odds {

// The exact law of a session: `rows` rows played at one level, each costing a euro.
struct SessionLaw {
    int rows = 0;
    std::vector<double> byWinnings;  // the chance of winning exactly w euros, w = 0 .. rows
    double ahead = 0;                // the chance of winning more than the stake

    // The median net result, winnings minus stake: the smallest value whose cumulative chance
    // reaches one half.
    std::int64_t medianNet() const;
};

// The sum of a session's prizes, row by row, kept only up to the stake: whatever passes it can
// only end ahead, and is held apart, so that even chances of 10^-60 keep their precision. About
// rows^2 times the level's distinct prizes steps. Gives up, unfinished, once `cancel` is set.
SessionLaw sessionLaw(int level, int rows, const std::atomic<bool>* cancel = nullptr);

// The band that the payout percentage stays in with a chance of about 95 % (two standard
// deviations) or 99.7 % (three) after `rows` rows: E(L) +- sigmas * s(L) / sqrt(rows), in percent.
struct Band {
    double low = 0;
    double high = 0;
};
Band payoutBand(int level, std::int64_t rows, double sigmas);

using SessionLaws = std::array<SessionLaw, sessionLengths.size()>;

// The session laws of every length for the levels asked for, each worked out once on a thread of
// its own, since the longest takes a good part of a second.
class SessionLawCache {
public:
    SessionLawCache() = default;
    ~SessionLawCache();
    SessionLawCache(const SessionLawCache&) = delete;
    SessionLawCache& operator=(const SessionLawCache&) = delete;

    // The laws of the level, or nullptr while they are being worked out; asking starts the work.
    const SessionLaws* laws(int level);

private:
    std::map<int, SessionLaws> done_;
    int working_ = 0;  // the level being worked out, 0 for none
    std::atomic<bool> cancel_{false};
    std::future<SessionLaws> work_;
};

}  // namespace zarno::odds

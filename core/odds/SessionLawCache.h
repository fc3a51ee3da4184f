#pragma once

#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <thread>

#include "core/engine/StartThread.h"
#include "core/odds/SessionOdds.h"

namespace zarno::odds {

// The session laws of every length for the levels asked for, each worked out once on a thread of
// its own, since the longest takes a good part of a second. A thread that cannot start, or work
// that fails, leaves the laws unavailable for that request; the next request tries again.
class SessionLawCache {
public:
    using Work = std::function<SessionLaws(int level, const std::atomic<bool>* cancel)>;

    explicit SessionLawCache(StartThread start = {}, Work work = sessionLaws);
    ~SessionLawCache();
    SessionLawCache(const SessionLawCache&) = delete;
    SessionLawCache& operator=(const SessionLawCache&) = delete;

    struct Answer {
        const SessionLaws* laws = nullptr;  // null while they are worked out, or unavailable
        bool unavailable = false;           // their thread could not start, or the work failed
    };
    // The laws of the level; asking starts the work when it is not under way.
    Answer laws(int level);

private:
    StartThread start_;
    Work work_;
    std::map<int, SessionLaws> done_;
    int working_ = 0;  // the level being worked out, 0 for none
    std::atomic<bool> cancel_{false};
    std::future<SessionLaws> result_;
    std::thread thread_;
};

}  // namespace zarno::odds

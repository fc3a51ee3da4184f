#pragma once

#include "core/odds/LawCache.h"
#include "core/odds/SessionOdds.h"

namespace zarno::odds {

// The session laws of every length, and the crowd, by level.
class SessionLawCache : public LawCache<SessionLaws> {
public:
    explicit SessionLawCache(StartThread start = {}, Work work = sessionLaws)
        : LawCache(std::move(start), std::move(work)) {}
};

}  // namespace zarno::odds

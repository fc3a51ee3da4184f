#pragma once

#include <functional>
#include <map>

#include "core/engine/Lottery.h"
#include "core/engine/StartThread.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/LawCache.h"
#include "core/odds/SessionOdds.h"

namespace zarno::odds {

// What an exact law is of: a level, and for a budget's law the budget.
struct LawKey {
    int level = 0;
    int budget = 0;

    auto operator<=>(const LawKey&) const = default;
};

// The exact laws a chart shows, by level and budget, each worked out once on a thread of its own:
// the laws of sessions and the crowd one level after another, as they are asked for; a budget's
// law one at a time, a new budget giving up the work on the one before. `ready` is called on the
// working thread when a law's work ends: the asker then asks again.
class ExactLaws {
public:
    using SessionWork = LawCache<int, SessionLaws>::Work;
    using BudgetWork = LawCache<LawKey, BudgetLaw>::Work;
    using SessionAnswer = LawCache<int, SessionLaws>::Answer;
    using BudgetAnswer = LawCache<LawKey, BudgetLaw>::Answer;

    explicit ExactLaws(StartThread start = {}, std::function<void()> ready = {},
                       SessionWork sessionWork = defaultSessionWork,
                       BudgetWork budgetWork = defaultBudgetWork)
        : sessions_(start, std::move(sessionWork), LawCache<int, SessionLaws>::Asked::inTurn,
                    ready),
          budgets_(start, std::move(budgetWork), LawCache<LawKey, BudgetLaw>::Asked::supersedes,
                   ready) {}

    // Without a level there is none, and no work.
    SessionAnswer sessions(int level) {
        return isLevel(level) ? sessions_.laws(level) : SessionAnswer{};
    }
    BudgetAnswer budget(const LawKey& key) {
        return isLevel(key.level) ? budgets_.laws(key) : BudgetAnswer{};
    }
    // The laws of sessions at once, for a file or a report: worked out on this thread, a fraction
    // of a second, when their own has not given them.
    const SessionLaws* sessionsNow(int level) {
        if (!isLevel(level)) {
            return nullptr;
        }
        if (const SessionLaws* laws = sessions_.laws(level).laws) {
            return laws;
        }
        return &worked_.try_emplace(level, sessionLaws(level)).first->second;
    }

private:
    static SessionLaws defaultSessionWork(const int& level, const std::atomic<bool>* cancel) {
        return sessionLaws(level, cancel);
    }
    static BudgetLaw defaultBudgetWork(const LawKey& key, const std::atomic<bool>* cancel) {
        return budgetLaw(key.level, key.budget, cancel);
    }

    LawCache<int, SessionLaws> sessions_;
    LawCache<LawKey, BudgetLaw> budgets_;
    std::map<int, SessionLaws> worked_;
};

}  // namespace zarno::odds

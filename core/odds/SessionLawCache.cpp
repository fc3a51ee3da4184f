#include "core/odds/SessionLawCache.h"

#include <exception>
#include <memory>

namespace zarno::odds {

SessionLawCache::SessionLawCache(StartThread start, Work work)
    : start_(std::move(start)), work_(std::move(work)) {}

SessionLawCache::~SessionLawCache() {
    cancel_ = true;
    if (thread_.joinable()) {
        thread_.join();  // the work gives up at once now
    }
}

SessionLawCache::Answer SessionLawCache::laws(int level) {
    if (const auto found = done_.find(level); found != done_.end()) {
        return {&found->second};
    }
    if (working_ != 0) {
        if (result_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            return {};
        }
        thread_.join();
        const int worked = working_;
        working_ = 0;
        try {
            done_[worked] = result_.get();
        } catch (const std::exception&) {
            if (worked == level) {
                return {nullptr, true};
            }
        }
        return laws(level);
    }
    auto task = std::make_shared<std::packaged_task<SessionLaws()>>(
        [this, level] { return work_(level, &cancel_); });
    result_ = task->get_future();
    try {
        thread_ = startThread(start_, [task] { (*task)(); });
    } catch (const std::exception&) {
        return {nullptr, true};
    }
    working_ = level;
    return {};
}

}  // namespace zarno::odds

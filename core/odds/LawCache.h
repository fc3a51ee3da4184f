#pragma once

#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include "core/engine/StartThread.h"

namespace zarno::odds {

// Exact laws, each worked out once on a thread of its own, since the longest take seconds. A
// thread that cannot start, or work that fails, leaves the law unavailable for that request; the
// next request tries again. One law is worked out at a time: asking for another waits its turn,
// or, when the cache supersedes, cancels the one under way. When the work on a law ends, the
// cache calls `ready` on its thread, so that the asker can ask again and take it.
template <class Key, class Law>
class LawCache {
public:
    using Work = std::function<Law(const Key& key, const std::atomic<bool>* cancel)>;
    enum class Asked { inTurn, supersedes };

    LawCache(StartThread start, Work work, Asked asked = Asked::inTurn,
             std::function<void()> ready = {})
        : start_(std::move(start)),
          work_(std::move(work)),
          asked_(asked),
          ready_(std::move(ready)) {}
    ~LawCache() { stop(); }
    LawCache(const LawCache&) = delete;
    LawCache& operator=(const LawCache&) = delete;

    struct Answer {
        const Law* laws = nullptr;  // null while it is worked out, or unavailable
        bool unavailable = false;   // its thread could not start, or the work failed

        // Whether there is nothing more to wait for.
        bool settled() const { return laws || unavailable; }
    };
    // The law of the key; asking starts the work when it is not under way.
    Answer laws(const Key& key) {
        if (const auto found = done_.find(key); found != done_.end()) {
            return {&found->second};
        }
        if (working_) {
            if (result_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
                if (asked_ == Asked::inTurn || *working_ == key) {
                    return {};
                }
                stop();  // the work gives up within a row of its programme
            } else {
                thread_.join();
                const Key worked = *working_;
                working_.reset();
                try {
                    done_.insert_or_assign(worked, result_.get());
                } catch (const std::exception&) {
                    if (worked == key) {
                        return {nullptr, true};
                    }
                }
                return laws(key);
            }
        }
        cancel_ = false;
        auto task = std::make_shared<std::packaged_task<Law()>>(
            [this, key] { return work_(key, &cancel_); });
        result_ = task->get_future();
        try {
            thread_ = startThread(start_, [task, ready = ready_] {
                (*task)();
                if (ready) {
                    ready();
                }
            });
        } catch (const std::exception&) {
            return {nullptr, true};
        }
        working_ = key;
        return {};
    }

private:
    void stop() {
        cancel_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        working_.reset();
    }

    StartThread start_;
    Work work_;
    Asked asked_;
    std::function<void()> ready_;
    std::map<Key, Law> done_;
    std::optional<Key> working_;
    std::atomic<bool> cancel_{false};
    std::future<Law> result_;
    std::thread thread_;
};

}  // namespace zarno::odds

#pragma once

#include <functional>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "core/document/RunDocument.h"
#include "core/engine/StartThread.h"

namespace zarno {

// Reads run documents on threads of their own, so that whoever asks stays free while a document is
// checked and its exact laws worked out; a thread that cannot start leaves the reading to the
// asker's own. When a reading ends, `ready` is called on its thread, and what it read waits to be
// taken.
class RunReading {
public:
    using Read = std::variant<SavedRun, DocumentError>;

    explicit RunReading(std::function<void()> ready, StartThread start = {})
        : ready_(std::move(ready)), start_(std::move(start)) {}
    ~RunReading() {
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    RunReading(const RunReading&) = delete;
    RunReading& operator=(const RunReading&) = delete;

    // Starts reading the text; gives the number its reading is taken by.
    int read(std::string text) {
        const int number = next_++;
        auto work = [this, number, text = std::move(text)] {
            Read read = readRunDocument(text);
            {
                const std::lock_guard lock(guard_);
                done_.emplace(number, std::move(read));
            }
            ready_();
        };
        try {
            threads_.push_back(startThread(start_, work));
        } catch (const std::exception&) {
            work();
        }
        return number;
    }

    // The readings that have ended, by their numbers.
    std::vector<std::pair<int, Read>> take() {
        const std::lock_guard lock(guard_);
        std::vector<std::pair<int, Read>> taken(std::make_move_iterator(done_.begin()),
                                                std::make_move_iterator(done_.end()));
        done_.clear();
        return taken;
    }

private:
    std::function<void()> ready_;
    StartThread start_;
    int next_ = 0;
    std::mutex guard_;
    std::map<int, Read> done_;
    std::list<std::thread> threads_;
};

}  // namespace zarno

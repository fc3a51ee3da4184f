#pragma once

#include <functional>
#include <list>
#include <string>
#include <thread>
#include <variant>

#include "core/document/RunDocument.h"
#include "core/engine/StartThread.h"

namespace zarno {

// Reads run documents on threads of their own, so that whoever asks stays free while a document is
// checked and its exact laws worked out; a thread that cannot start leaves the reading to the
// asker's own.
class RunReading {
public:
    using Read = std::variant<SavedRun, DocumentError>;
    using Done = std::function<void(Read read)>;

    explicit RunReading(StartThread start = {}) : start_(std::move(start)) {}
    ~RunReading() {
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    RunReading(const RunReading&) = delete;
    RunReading& operator=(const RunReading&) = delete;

    // Reads the text, and hands what it read to `done`, on the reading thread.
    void read(std::string text, Done done) {
        auto work = [text = std::move(text), done = std::move(done)] {
            done(readRunDocument(text));
        };
        try {
            threads_.push_back(startThread(start_, work));
        } catch (const std::exception&) {
            work();
        }
    }

private:
    StartThread start_;
    std::list<std::thread> threads_;
};

}  // namespace zarno

#pragma once

#include <functional>
#include <thread>

namespace zarno {

// Starts a thread that runs `work`; throws std::system_error when it cannot. Empty means a plain
// std::thread; tests pass one that fails, to see that the program bears it.
using StartThread = std::function<std::thread(std::function<void()> work)>;

inline std::thread startThread(const StartThread& start, std::function<void()> work) {
    return start ? start(std::move(work)) : std::thread(std::move(work));
}

}  // namespace zarno

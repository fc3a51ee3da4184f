#include "platform/Processors.h"

#include <algorithm>
#include <thread>

#include <pthread.h>

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/ControlGroups.h"
#endif

namespace zarno {

unsigned usableProcessors() noexcept {
    unsigned usable = std::max(1u, std::thread::hardware_concurrency());
#ifdef __linux__
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0) {
        usable = static_cast<unsigned>(CPU_COUNT(&allowed));
    }
    try {
        const auto quota = processorsAllowedByControlGroups(
            [](const std::string& path) -> std::optional<std::string> {
                std::ifstream file(path);
                if (!file) {
                    return std::nullopt;
                }
                return std::string(std::istreambuf_iterator<char>(file), {});
            });
        if (quota && *quota < usable) {
            usable = *quota;
        }
    } catch (...) {
        // Without the control groups' word, the affinity stands.
    }
#endif
    return usable;
}

// Linux keeps the scheduling policy and the nice value per thread. A batch thread never preempts
// another on waking, and the highest nice value leaves it the smallest share of a busy processor.
void lowerThreadPriority() noexcept {
#ifdef __linux__
    const sched_param none{};
    sched_setscheduler(0, SCHED_BATCH, &none);
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
}

void nameThread(const char* name) noexcept {
#ifdef __linux__
    pthread_setname_np(pthread_self(), name);
#endif
}

}  // namespace zarno

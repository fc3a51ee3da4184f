#include "platform/Processors.h"

#include <pthread.h>
#include <sys/qos.h>

#include <algorithm>
#include <thread>

namespace zarno {

// macOS offers no affinity; the processors it keeps active are all a process may use.
unsigned usableProcessors() noexcept {
    return std::max(1u, std::thread::hardware_concurrency());
}

// The utility class: work the user asked for but does not wait on from moment to moment.
void lowerThreadPriority() noexcept {
    pthread_set_qos_class_self_np(QOS_CLASS_UTILITY, 0);
}

void nameThread(const char* name) noexcept {
    pthread_setname_np(name);
}

}  // namespace zarno

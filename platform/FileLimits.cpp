#include "platform/FileLimits.h"

#include <csignal>

namespace zarno {

void reportWritesPastFileLimits() noexcept {
#ifdef SIGXFSZ  // the systems that have the signal; elsewhere the write fails anyway
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace zarno

#include "platform/Console.h"

#include <csignal>

#include <unistd.h>

namespace zarno {
namespace {

// Lock-free, so that the signal's handler may set it.
std::atomic<bool> interrupts{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    if (interrupts.exchange(true)) {
        _exit(130);
    }
}

}  // namespace

void watchInterrupts() noexcept {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool interrupted() noexcept {
    return interrupts.load();
}

const std::atomic<bool>& interruption() noexcept {
    return interrupts;
}

bool standardErrorIsTerminal() noexcept {
    return isatty(STDERR_FILENO) == 1;
}

void useBinaryStandardOutput() noexcept {}

}  // namespace zarno

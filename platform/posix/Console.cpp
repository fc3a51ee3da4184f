#include "platform/Console.h"

#include <csignal>

#include <unistd.h>

namespace zarno {
namespace {

volatile std::sig_atomic_t interrupts = 0;

extern "C" void onInterrupt(int) {
    if (interrupts > 0) {
        _exit(130);
    }
    interrupts = 1;
}

}  // namespace

void watchInterrupts() noexcept {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool interrupted() noexcept {
    return interrupts > 0;
}

bool standardErrorIsTerminal() noexcept {
    return isatty(STDERR_FILENO) == 1;
}

void useBinaryStandardOutput() noexcept {}

}  // namespace zarno

#include "platform/Console.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace zarno {
namespace {

std::atomic<bool> interrupts{false};

BOOL WINAPI onControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        return FALSE;
    }
    if (interrupts.exchange(true)) {
        std::_Exit(130);
    }
    return TRUE;
}

}  // namespace

void watchInterrupts() noexcept {
    SetConsoleCtrlHandler(onControl, TRUE);
}

bool interrupted() noexcept {
    return interrupts.load();
}

const std::atomic<bool>& interruption() noexcept {
    return interrupts;
}

bool standardErrorIsTerminal() noexcept {
    return _isatty(_fileno(stderr)) != 0;
}

void useBinaryStandardOutput() noexcept {
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace zarno

#include "platform/Console.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace zarno {
namespace {

std::atomic<int> interrupts{0};

BOOL WINAPI onControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        return FALSE;
    }
    if (interrupts.fetch_add(1) > 0) {
        std::_Exit(130);
    }
    return TRUE;
}

}  // namespace

void watchInterrupts() noexcept {
    SetConsoleCtrlHandler(onControl, TRUE);
}

bool interrupted() noexcept {
    return interrupts.load() > 0;
}

bool standardErrorIsTerminal() noexcept {
    return _isatty(_fileno(stderr)) != 0;
}

void useBinaryStandardOutput() noexcept {
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace zarno

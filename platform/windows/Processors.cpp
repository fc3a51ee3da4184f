#include "platform/Processors.h"

#include <windows.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>
#include <thread>

namespace zarno {

unsigned usableProcessors() noexcept {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0) {
        return static_cast<unsigned>(std::popcount(static_cast<std::uint64_t>(process)));
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

void lowerThreadPriority() noexcept {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

// SetThreadDescription came with Windows 10, 1607, and not every SDK declares it: looked up
// where the program runs.
void nameThread(const char* name) noexcept {
    using Describe = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    static const auto describe = reinterpret_cast<Describe>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetThreadDescription")));
    if (!describe) {
        return;
    }
    wchar_t wide[16] = {};
    for (std::size_t i = 0; i + 1 < std::size(wide) && name[i] != '\0'; ++i) {
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(name[i]));
    }
    describe(GetCurrentThread(), wide);
}

}  // namespace zarno

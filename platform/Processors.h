#pragma once

// The processors a program may use and how its worker threads share them, with one
// implementation per system (platform/posix, platform/windows, platform/macos).
namespace zarno {

// How many processors this process may run on at once: those its affinity allows, fewer when a
// control group or job limits its processor time; at least 1.
unsigned usableProcessors() noexcept;

// Puts the calling thread below the normal priority, so that it runs on the processor time the
// window, the desktop and other programs leave.
void lowerThreadPriority() noexcept;

// Names the calling thread where the system shows thread names (a debugger, top -H); at most
// 15 characters.
void nameThread(const char* name) noexcept;

}  // namespace zarno

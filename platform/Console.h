#pragma once

#include <atomic>

// What a console program needs of the system, with one implementation per system
// (platform/posix, platform/windows).
namespace zarno {

// From now on the first Ctrl+C asks the program to stop, which interrupted() then tells, and
// the flag that interruption() gives is set, for work that gives up when it is; the second ends
// the program at once with status 130, as a shell reports a program that Ctrl+C ended.
void watchInterrupts() noexcept;
bool interrupted() noexcept;
const std::atomic<bool>& interruption() noexcept;

// Whether standard error is a terminal, where a person watches the progress.
bool standardErrorIsTerminal() noexcept;

// Standard output writes bytes as they are: on Windows a line end would else become CR CR LF.
void useBinaryStandardOutput() noexcept;

}  // namespace zarno

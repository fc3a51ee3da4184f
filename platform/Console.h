#pragma once

// What a console program needs of the system, with one implementation per system
// (platform/posix, platform/windows).
namespace zarno {

// From now on the first Ctrl+C asks the program to stop, which interrupted() then tells; the
// second ends it at once with status 130, as a shell reports a program that Ctrl+C ended.
void watchInterrupts() noexcept;
bool interrupted() noexcept;

// Whether standard error is a terminal, where a person watches the progress.
bool standardErrorIsTerminal() noexcept;

// Standard output writes bytes as they are: on Windows a line end would else become CR CR LF.
void useBinaryStandardOutput() noexcept;

}  // namespace zarno

#pragma once

namespace zarno {

// Where the system limits the size of the files a session writes, a write past the limit is to
// fail and be reported like any other failed write, rather than end the program (POSIX sends
// SIGXFSZ, whose default ends it). Called once, at the start.
void reportWritesPastFileLimits() noexcept;

}  // namespace zarno

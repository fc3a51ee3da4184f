#pragma once

#include <cstdint>

namespace zarno::bench {

// Rows per second of the engine with all its workers and a consumer that commits every row in
// stretches of 1000 and, like the window, sleeps until the engine wakes it when none is ready.
double engineRowsPerSecond(int level, std::int64_t rows);

}  // namespace zarno::bench

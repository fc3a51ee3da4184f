#pragma once

#include <cstdint>

namespace zarno::bench {

// How many times each rate that is compared with the engine's is measured, beside the engine, for
// the best of them.
inline constexpr int measuredRounds = 5;

// Rows per second of the engine with all its workers and a consumer that commits every row in
// stretches of 1000 and, like the window, sleeps until the engine wakes it when none is ready.
double engineRowsPerSecond(int level, std::int64_t rows);

}  // namespace zarno::bench

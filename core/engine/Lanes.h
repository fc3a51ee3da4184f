#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/engine/Play.h"
#include "platform/RandomNumbers.h"

namespace zarno {

// Where a block of rows goes, and the generator it is drawn from: its position before the block's
// first reseed and its increment. Every block's rows are exactly those the scalar path draws.
struct LaneBlock {
    std::uint64_t state = 0;
    std::uint64_t increment = 0;
    std::uint8_t* hits = nullptr;     // each row's hits
    std::uint64_t* starts = nullptr;  // the generator's position after each row's reseed
};

// The processor's vector units a worker draws with: several blocks at once, one a lane, the
// lanes of two or more registers interleaved; or one block at a time, the scalar path.
enum class Target : std::uint8_t { scalar, avx2, avx512, neon };
std::string_view nameOf(Target target);

// What the processor offers, and the best of it: AVX-512 where it has the foundation and the
// byte, word, double- and quad-word instructions, else AVX2, else NEON, which every AArch64
// processor has; else the scalar path. SSE2 alone has no shift by a count of each lane's own, and
// its lanes would draw slower than one row at a time. `offered` lists every target this build can
// use on this processor.
struct ProcessorFeatures {
    bool x86 = false;
    bool arm = false;
    bool avx2 = false;
    bool avx512 = false;
};
ProcessorFeatures processorFeatures();
Target bestTarget(const ProcessorFeatures& features);
std::vector<Target> offeredTargets(const ProcessorFeatures& features);

// How many blocks a target draws together.
int lanesOf(Target target);

// Draws rows `first` .. first + rows - 1 of each block, of the play, lanesOf(target) blocks at a
// time, reading the clock once for the rows the lanes draw at once; each block's state moves on
// past them. The play's numbers must differ from one another: the lanes count hits as the numbers
// the row and the play share.
void drawLanes(Target target, std::span<LaneBlock> blocks, int first, int rows, const Play& play,
               Clock& clock);

}  // namespace zarno

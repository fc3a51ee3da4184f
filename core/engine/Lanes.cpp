#include "core/engine/Lanes.h"

#include <algorithm>

#include "core/engine/DrawGenerator.h"
#include "core/engine/LanesKernels.h"

namespace zarno {
namespace {

const lanes::Kernel* kernelOf(Target target) {
    switch (target) {
#if defined(ZARNO_LANES_X86)
        case Target::avx2:
            return &lanes::avx2Kernel;
        case Target::avx512:
            return &lanes::avx512Kernel;
#elif defined(ZARNO_LANES_ARM)
        case Target::neon:
            return &lanes::neonKernel;
#endif
        default:
            return nullptr;
    }
}

}  // namespace

std::string_view nameOf(Target target) {
    switch (target) {
        case Target::scalar:
            return "scalar";
        case Target::avx2:
            return "avx2";
        case Target::avx512:
            return "avx512";
        case Target::neon:
            return "neon";
    }
    return "?";
}

ProcessorFeatures processorFeatures() {
    ProcessorFeatures features;
#if defined(ZARNO_LANES_X86)
    __builtin_cpu_init();
    features.x86 = true;
    features.avx2 = __builtin_cpu_supports("avx2");
    // The 64-bit multiply the generator needs is in AVX-512's double- and quad-word extension,
    // and the byte lookups that count a row's numbers in its byte and word one.
    features.avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                      __builtin_cpu_supports("avx512bw");
#elif defined(ZARNO_LANES_ARM)
    features.arm = true;  // every AArch64 processor has NEON
#endif
    return features;
}

std::vector<Target> offeredTargets(const ProcessorFeatures& features) {
    std::vector<Target> offered = {Target::scalar};
    if (features.x86 && features.avx2) {
        offered.push_back(Target::avx2);
    }
    if (features.x86 && features.avx512) {
        offered.push_back(Target::avx512);
    }
    if (features.arm) {
        offered.push_back(Target::neon);
    }
    return offered;
}

Target bestTarget(const ProcessorFeatures& features) {
    return offeredTargets(features).back();
}

int lanesOf(Target target) {
    const lanes::Kernel* kernel = kernelOf(target);
    return kernel ? kernel->lanes : 1;
}

void lanes::drawGroups(const Kernel& kernel, std::span<LaneBlock> blocks, int first, int rows,
                       const Play& play, Clock& clock) {
    const auto lanes = static_cast<std::size_t>(kernel.lanes);
    for (std::size_t at = 0; at < blocks.size(); at += lanes) {
        kernel.draw(blocks.data() + at, std::min(lanes, blocks.size() - at), first, rows,
                    play.numbers.data(), clock);
    }
}

void drawLanes(Target target, std::span<LaneBlock> blocks, int first, int rows, const Play& play,
               Clock& clock) {
    if (const lanes::Kernel* kernel = kernelOf(target)) {
        lanes::drawGroups(*kernel, blocks, first, rows, play, clock);
        return;
    }
    // The scalar path, a block at a time.
    for (LaneBlock& block : blocks) {
        RandomNumbers random(clock, 0, block.increment >> 1);
        random.moveTo(block.state);
        for (int row = first; row < first + rows; ++row) {
            random.reseed();
            block.starts[row] = random.position();
            block.hits[row] =
                static_cast<std::uint8_t>(scoreRow(drawRow(random, [](int, int) {}), play));
        }
        block.state = random.position();
    }
}

}  // namespace zarno

// The lanes for NEON, compiled for its instructions: 4 blocks at once.
#include "core/engine/LanesVectorOps.h"

namespace zarno::lanes {

const Kernel neonKernel = kernel<VectorOps<2>, 2>();

}  // namespace zarno::lanes

#include "core/engine/DrawGenerator.h"

namespace zarno {

bool isDrawnAlready(const Row& drawn, std::int16_t candidate, std::int16_t index) {
    bool found = false;
    for (std::int16_t j = 0; j < rowSize; ++j) {
        if (drawn[static_cast<std::size_t>(j)] == candidate && j != index) {
            found = true;
        }
    }
    return found;
}

}  // namespace zarno

#include "core/rules/Entries.h"

#include <algorithm>

#include "platform/Narrowing.h"

namespace zarno {
namespace {

int playedBoxes(double level) {
    return std::clamp<int>(floorToInt16(level), 0, numberBoxes);
}

}  // namespace

std::variant<Play, Refusal> playOf(const Entries& entries) {
    // A level that is not a number, or whose whole part is above the ten boxes there are, is
    // refused like a missing number instead of failing or reading past the boxes.
    if (!entries.level || floorOf(*entries.level) > maxLevel) {
        return Refusal{};
    }
    const double level = *entries.level;
    for (int i = 0; i < numberBoxes; ++i) {
        if (level > i && !entries.numbers[static_cast<std::size_t>(i)]) {
            return Refusal{};
        }
    }
    const int played = playedBoxes(level);
    const auto first = entries.numbers.begin();
    for (int i = 1; i < played; ++i) {
        const double number = *entries.numbers[static_cast<std::size_t>(i)];
        if (std::find(first, first + i, number) != first + i) {
            return Refusal{Refusal::Kind::numberRepeated, number};
        }
    }
    Play play;
    play.level = floorToInt16(level);
    for (int i = 0; i < played; ++i) {
        play.numbers[static_cast<std::size_t>(i)] =
            hittableNumber(*entries.numbers[static_cast<std::size_t>(i)]);
    }
    play.fast = entries.fast;
    return play;
}

int boxesFor(std::optional<double> level) {
    return level ? playedBoxes(*level) : 0;
}

int frameFor(std::optional<double> level) {
    for (int l = minLevel; l <= maxLevel; ++l) {
        if (level && *level == l) {
            return l;
        }
    }
    return 0;
}

}  // namespace zarno

#pragma once

#include <array>
#include <optional>
#include <variant>

#include "core/engine/Lottery.h"
#include "core/engine/Play.h"

namespace zarno {

// What the player has entered, as the main window reads it at a start or a continue: the level
// and each number box's number (none where the text is no number, an empty box included), and
// fast mode.
struct Entries {
    std::optional<double> level;
    std::array<std::optional<double>, numberBoxes> numbers{};
    bool fast = false;
};

// Why a start is refused. Nothing changes when it is.
struct Refusal {
    enum class Kind : std::uint8_t {
        numbersMissing,  // the level is no number, or above 10, or a box it asks for is empty
        numberRepeated,  // a number is chosen in two of the level's boxes
    };
    Kind kind = Kind::numbersMissing;
    double number = 0;  // the number chosen twice

    bool operator==(const Refusal&) const = default;
};

// The play the entries make, or why they make none. The level's value decides which boxes must
// hold a number: box i when the level is above i, so 2.5 asks for three. Of those the boxes its
// whole part names are played, and none of them may repeat another: a ticket cannot mark a
// number twice, and the exact figures assume it does not.
std::variant<Play, Refusal> playOf(const Entries& entries);

// How many number boxes choosing a level opens: its whole part, at most ten; none for a level
// that is no number.
int boxesFor(std::optional<double> level);

// The level whose result frame a series started on this level shows: only a level that is exactly
// one of 2..10 has one; 0 for none.
int frameFor(std::optional<double> level);

}  // namespace zarno

#include "ui/RunLooks.h"

#include <array>

namespace zarno::ui {
namespace {

// E enabled, D disabled, h hidden.
constexpr Look E = Look::on;
constexpr Look D = Look::off;
constexpr Look h = Look::hidden;

// Pause and continue share one place on the window: never both shown. Start over stays shown from
// a pause until the next start.
// clang-format off
constexpr std::array<RunLook, runStateCount> looks = {{
    //             start pause resume startOver level fast numbers frame
    /* ready   */ {E,    D,    h,     h,        E,    E,   true,   false},
    /* running */ {D,    E,    h,     h,        D,    D,   false,  true},
    /* paused  */ {D,    h,    E,     E,        D,    D,   false,  true},
    /* cleared */ {E,    D,    h,     E,        E,    E,   true,   false},
    /* ended   */ {D,    E,    h,     h,        D,    D,   false,  true},
    /* closed  */ {D,    D,    h,     h,        D,    D,   false,  true},
}};
// clang-format on

}  // namespace

const RunLook& lookOf(RunState state) {
    return looks[static_cast<std::size_t>(state)];
}

}  // namespace zarno::ui

#pragma once

#include <cstdint>

#include "core/engine/Lottery.h"

namespace zarno {

// The controls whose flags the window's rules decide, and whose texts it reads.
enum class Control : std::uint8_t {
    cmdAloitaArvonta,
    cmdTauko,
    cmdJatka,
    cmdReset,
    cmbTaso,
    chkFast,
    cmbNumero0,                            // cmbNumero(0) .. cmbNumero(9) follow in index order
    frmZarno2 = cmbNumero0 + numberBoxes,  // frmZarno2 .. frmZarno10 follow in level order
    count = frmZarno2 + (maxLevel - minLevel + 1),
};

constexpr Control numberBox(int index) {
    return static_cast<Control>(static_cast<int>(Control::cmbNumero0) + index);
}
constexpr Control levelFrame(int level) {
    return static_cast<Control>(static_cast<int>(Control::frmZarno2) + level - minLevel);
}

// A label whose caption shows the series: the row counter, or a result label of a level.
class LabelId {
public:
    static constexpr LabelId rowCounter() { return LabelId(0); }
    static constexpr LabelId winnings(int level) { return LabelId(firstOf(level)); }
    static constexpr LabelId hits(int level, int hitCount) {
        return LabelId(firstOf(level) + 1 + hitCount);
    }

    constexpr int index() const { return index_; }
    constexpr bool operator==(const LabelId&) const = default;

    // Each level has its winnings label and one label per hit count 0..L.
    static constexpr int count = 1 + (maxLevel + 1 - minLevel) * (maxLevel + 1 + 5) / 2;

private:
    constexpr explicit LabelId(int index) : index_(index) {}
    static constexpr int firstOf(int level) { return 1 + (level - minLevel) * (level + 5) / 2; }

    int index_;
};

}  // namespace zarno

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/Lottery.h"

namespace zarno {

// The controls whose state the simulation reads or writes.
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

// A label whose caption the simulation writes: the row counter, or a result label of a level.
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

// What the simulation needs of its window's controls: the texts it reads and the flags, captions
// and tooltips it writes.
class WindowPort {
public:
    virtual ~WindowPort() = default;

    // The text of cmbTaso or of a number box, UTF-8.
    virtual std::string text(Control control) const = 0;
    // The value of chkFast: 0 clear, 1 ticked.
    virtual int fastModeValue() const = 0;

    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    virtual void addItem(Control control, std::string_view item) = 0;
    virtual void setCaption(LabelId label, std::string_view caption) = 0;
    // A result label's tooltip, which a screen reader also reads as its description.
    virtual void setToolTip(LabelId label, std::string_view text) = 0;
};

}  // namespace zarno

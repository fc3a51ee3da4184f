#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/WindowPort.h"

namespace zarno::test {

// A window in memory: controls start as they are created on screen, and every effect is recorded.
class FakeWindow : public WindowPort {
public:
    FakeWindow() {
        enabled.fill(true);
        visible.fill(true);
        visible[index(Control::cmdJatka)] = false;
        visible[index(Control::cmdReset)] = false;
        for (int l = minLevel; l <= maxLevel; ++l) {
            visible[index(levelFrame(l))] = false;
        }
        texts[index(Control::cmbTaso)] = "2";
    }

    std::string text(Control control) const override { return texts[index(control)]; }
    int fastModeValue() const override { return fastMode; }
    void setEnabled(Control control, bool value) override {
        enabled[index(control)] = value;
        record("enable", control, value);
    }
    void setVisible(Control control, bool value) override {
        visible[index(control)] = value;
        record("show", control, value);
    }
    void addItem(Control control, std::string_view item) override {
        items[index(control)].emplace_back(item);
    }
    void setCaption(LabelId label, std::string_view text) override {
        captions[static_cast<std::size_t>(label.index())].assign(text);
        ++captionWrites;
        if (logging) {
            log.push_back("caption " + std::to_string(label.index()));
        }
    }

    void setToolTip(LabelId label, std::string_view text) override {
        toolTips[static_cast<std::size_t>(label.index())].assign(text);
    }

    void setLevel(std::string_view text) { texts[index(Control::cmbTaso)] = text; }
    void setNumbers(std::initializer_list<std::string_view> numbers) {
        int i = 0;
        for (const auto number : numbers) {
            texts[index(numberBox(i++))] = number;
        }
    }
    const std::string& caption(LabelId label) const {
        return captions[static_cast<std::size_t>(label.index())];
    }
    bool isEnabled(Control control) const { return enabled[index(control)]; }
    bool isVisible(Control control) const { return visible[index(control)]; }

    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }

    // What the window was told, in order, while logging is on: "enable 1 0" for
    // setEnabled(Control 1, false), "show 3 1", "caption 0".
    void record(const char* what, Control control, bool value) {
        if (logging) {
            log.push_back(std::string(what) + ' ' + std::to_string(index(control)) + ' ' +
                          (value ? '1' : '0'));
        }
    }
    bool logging = false;
    std::vector<std::string> log;

    static constexpr std::size_t controls = static_cast<std::size_t>(Control::count);
    std::array<std::string, controls> texts;
    std::array<bool, controls> enabled{};
    std::array<bool, controls> visible{};
    std::array<std::vector<std::string>, controls> items;
    std::array<std::string, LabelId::count> captions;
    std::array<std::string, LabelId::count> toolTips;
    int fastMode = 0;
    int captionWrites = 0;
};

}  // namespace zarno::test

#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "WindowPort.h"

namespace zarno::test {

// Thrown by the fake end of the program, so a test sees the end and everything after it unwinds.
struct ProgramEnded {};

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
        level.setText("2");
    }

    const ControlText& levelText() const override { return level; }
    std::span<const ControlText, numberBoxes> numberTexts() const override { return numbers; }
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
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        if (logging) {
            log.push_back("message");
        }
        if (onMessage) {
            onMessage();
        }
    }
    void pumpEvents() override {
        ++pumps;
        if (logging) {
            log.push_back("pump");
        }
        if (onPump) {
            onPump();
        }
    }
    void endProgram() override {
        ended = true;
        throw ProgramEnded{};
    }

    void setLevel(std::string_view text) { level.setText(text); }
    void setNumbers(std::initializer_list<std::string_view> texts) {
        std::size_t i = 0;
        for (const auto text : texts) {
            numbers[i++].setText(text);
        }
    }
    const std::string& caption(LabelId label) const {
        return captions[static_cast<std::size_t>(label.index())];
    }
    bool isEnabled(Control control) const { return enabled[index(control)]; }
    bool isVisible(Control control) const { return visible[index(control)]; }

    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }

    // What the window was told, in order, while logging is on: "enable 1 0" for
    // setEnabled(Control 1, false), "show 3 1", "caption 0", "message", "pump".
    void record(const char* what, Control control, bool value) {
        if (logging) {
            log.push_back(std::string(what) + ' ' + std::to_string(index(control)) + ' ' +
                          (value ? '1' : '0'));
        }
    }
    bool logging = false;
    std::vector<std::string> log;

    static constexpr std::size_t controls = static_cast<std::size_t>(Control::count);
    ControlText level;
    std::array<ControlText, numberBoxes> numbers;
    std::array<bool, controls> enabled{};
    std::array<bool, controls> visible{};
    std::array<std::vector<std::string>, controls> items;
    std::array<std::string, LabelId::count> captions;
    std::vector<std::string> messages;
    int fastMode = 0;
    int pumps = 0;
    int captionWrites = 0;
    bool ended = false;
    std::function<void()> onPump;
    std::function<void()> onMessage;
};

}  // namespace zarno::test

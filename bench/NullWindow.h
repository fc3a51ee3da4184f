#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "WindowPort.h"

namespace zarno::bench {

// A window that costs nothing, in fast mode, so that only the rules show: captions are formatted
// every 1000th row and go nowhere, and the pumping finds nothing to do.
class NullWindow final : public WindowPort {
public:
    explicit NullWindow(int level) {
        level_.setText(std::to_string(level));
        for (std::size_t i = 0; i < numbers_.size(); ++i) {
            numbers_[i].setText(std::to_string(3 * i + 5));
        }
    }
    const ControlText& levelText() const override { return level_; }
    std::span<const ControlText, numberBoxes> numberTexts() const override { return numbers_; }
    int fastModeValue() const override { return 1; }
    void setEnabled(Control, bool) override {}
    void setVisible(Control, bool) override {}
    void addItem(Control, std::string_view) override {}
    void setCaption(LabelId, std::string_view caption) override {
        benchmark::DoNotOptimize(caption.data());
    }
    void showMessage(std::string_view) override {}
    void pumpEvents() override {}
    void endProgram() override {}

private:
    ControlText level_;
    std::array<ControlText, numberBoxes> numbers_;
};

}  // namespace zarno::bench

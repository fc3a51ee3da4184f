#pragma once

#include <cstdint>
#include <string>

#include "RandomNumbers.h"
#include "SimulationState.h"
#include "WindowPort.h"

namespace zarno {

// The rules of the simulator: the window's event handlers and the procedures they call, working
// on the series' state and reaching the window only through WindowPort.
class Simulator {
public:
    // Rows at which the drawing stops by itself.
    static constexpr double rowLimit = 4'000'000'000.0;

    Simulator(WindowPort& window, RandomNumbers& random, char decimalSeparator);

    void Form_Load();
    void cmdAloitaArvonta_Click();
    void cmdTauko_Click();
    void cmdJatka_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmbTaso_Click();

    void ShowLevelPanel();
    void HideLevelPanel();
    void DrawNumbers();
    bool IsDrawnAlready(std::int16_t candidate, std::int16_t index) const;
    void ScoreRow();

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }

private:
    bool numbersComplete() const;
    void setLevelFrameVisible(bool visible);
    int currentLevel() const;
    int countHits(int level) const;
    bool refreshAllowed() const;
    void refreshLevel(int level);
    void announceJackpot();
    void writeRowCounterCaption();

    WindowPort& window_;
    RandomNumbers& random_;
    char separator_;
    SimulationState state_;
    std::string caption_;  // reused for every caption, so writing one allocates nothing
    std::string message_;
};

}  // namespace zarno

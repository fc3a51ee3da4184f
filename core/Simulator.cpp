#include "Simulator.h"

#include <algorithm>
#include <string_view>

#include "DrawGenerator.h"
#include "Narrowing.h"
#include "NumberFormat.h"
#include "ResultsText.h"
#include "Scoring.h"

namespace zarno {
namespace {

constexpr std::string_view numbersMissingMessage = "Anna kaikki numerot.";
constexpr std::string_view rowLimitMessage = "Arvonta lopetettu (alkaa jo riittämään)";

}  // namespace

Simulator::Simulator(WindowPort& window, RandomNumbers& random, char decimalSeparator)
    : window_(window), random_(random), separator_(decimalSeparator) {
    caption_.reserve(128);
    message_.reserve(128);
}

void Simulator::Form_Load() {
    state_.StopRequested = false;
    window_.setEnabled(Control::cmdTauko, false);
    state_.NewSeries = true;
    window_.setEnabled(Control::chkFast, true);
    state_.ResetPending = false;
    state_.Rows = 0;
    state_.Winnings = 0;
    std::string item;
    for (int i = 0; i < numberBoxes; ++i) {
        if (i > 1) {
            window_.setEnabled(numberBox(i), false);
        }
        for (int number = 1; number <= highestNumber; ++number) {
            item.clear();
            appendInteger(item, number);
            window_.addItem(numberBox(i), item);
        }
    }
}

// Checks the boxes the level asks for. A level that is not a number, or whose integer part is
// above the ten boxes there are, is refused the same way instead of failing or reading past them.
bool Simulator::numbersComplete() const {
    const ControlText& level = window_.levelText();
    if (!level.isNumeric() || floorOf(level.number()) > maxLevel) {
        return false;
    }
    const auto numbers = window_.numberTexts();
    for (int i = 0; i < numberBoxes; ++i) {
        if (level.number() > i && !numbers[static_cast<std::size_t>(i)].isNumeric()) {
            return false;
        }
    }
    return true;
}

void Simulator::cmdAloitaArvonta_Click() {
    if (!numbersComplete()) {
        window_.showMessage(numbersMissingMessage);
        return;
    }
    window_.setEnabled(Control::cmdAloitaArvonta, false);
    window_.setEnabled(Control::cmbTaso, false);
    window_.setEnabled(Control::cmdTauko, true);
    window_.setEnabled(Control::chkFast, false);
    if (state_.NewSeries) {
        ShowLevelPanel();
    }
    state_.NewSeries = false;
    for (int j = 0; j < numberBoxes; ++j) {
        window_.setEnabled(numberBox(j), false);
    }
    if (state_.ResetPending) {
        state_.ResetPending = false;
        state_.StopRequested = false;
        window_.setVisible(Control::cmdReset, false);
    }
    while (!state_.StopRequested) {
        if (static_cast<double>(state_.Rows) >= rowLimit) {
            // The pass still completes: one more row is drawn and scored below.
            state_.StopRequested = true;
            writeRowCounterCaption();
            window_.showMessage(rowLimitMessage);
        }
        ++state_.Rows;
        DrawNumbers();
        ScoreRow();
    }
}

void Simulator::cmdTauko_Click() {
    if (state_.NewSeries) {
        return;
    }
    state_.StopRequested = true;
    window_.setEnabled(Control::cmdAloitaArvonta, false);
    window_.setVisible(Control::cmdJatka, true);
    window_.setVisible(Control::cmdTauko, false);
    window_.setVisible(Control::cmdReset, true);
}

void Simulator::cmdJatka_Click() {
    state_.StopRequested = false;
    window_.setVisible(Control::cmdJatka, false);
    window_.setEnabled(Control::cmdTauko, true);
    window_.setVisible(Control::cmdTauko, true);
    window_.setVisible(Control::cmdReset, false);
    cmdAloitaArvonta_Click();
}

void Simulator::cmdReset_Click() {
    state_.StopRequested = true;
    state_.NewSeries = true;
    window_.setEnabled(Control::cmdAloitaArvonta, true);
    window_.setEnabled(Control::cmbTaso, true);
    state_.ResetPending = true;
    state_.Rows = 0;
    state_.Winnings = 0;
    window_.setCaption(LabelId::rowCounter(), "0");
    window_.setEnabled(Control::cmdTauko, false);
    window_.setVisible(Control::cmdTauko, true);
    window_.setVisible(Control::cmdJatka, false);
    window_.setEnabled(Control::chkFast, true);
    state_.hitCounts.fill(0);
    HideLevelPanel();
    cmbTaso_Click();
}

void Simulator::cmdExit_Click() {
    window_.endProgram();
}

void Simulator::cmbTaso_Click() {
    for (int i = 0; i < numberBoxes; ++i) {
        window_.setEnabled(numberBox(i), false);
    }
    const ControlText& level = window_.levelText();
    if (!level.isNumeric()) {
        return;  // a typed text that is no number enables no box
    }
    // A level above ten enables all ten boxes and never one beyond them.
    const int last = std::min<int>(toInt16(floorOf(level.number()) - 1), numberBoxes - 1);
    for (int a = 0; a <= last; ++a) {
        window_.setEnabled(numberBox(a), true);
    }
}

// Frames are shown and hidden only on an exact match of the level, so a level such as 2.5 that
// passes the start matches no frame.
void Simulator::setLevelFrameVisible(bool visible) {
    for (int level = minLevel; level <= maxLevel; ++level) {
        if (window_.levelText().number() == level) {
            window_.setVisible(levelFrame(level), visible);
        }
    }
}

void Simulator::ShowLevelPanel() {
    setLevelFrameVisible(true);
}

void Simulator::HideLevelPanel() {
    setLevelFrameVisible(false);
}

void Simulator::DrawNumbers() {
    drawNumbers(state_.Drawn, random_);
}

bool Simulator::IsDrawnAlready(std::int16_t candidate, std::int16_t index) const {
    return isDrawnAlready(state_.Drawn, candidate, index);
}

int Simulator::currentLevel() const {
    return floorToInt16(window_.levelText().number());
}

int Simulator::countHits(int level) const {
    const NumberSet row = numbersOf(state_.Drawn);
    const auto numbers =
        window_.numberTexts().first(static_cast<std::size_t>(std::clamp(level, 0, numberBoxes)));
    int hits = 0;
    for (const ControlText& number : numbers) {
        hits += row.contains(hittableNumber(number.wholeNumber())) ? 1 : 0;
    }
    return hits;
}

void Simulator::ScoreRow() {
    const int level = currentLevel();
    const int hits = countHits(level);
    if (isLevel(level)) {
        tally(state_, level, hits);
        if (level == maxLevel && hits == maxLevel) {
            announceJackpot();
        }
        if (refreshAllowed()) {
            refreshLevel(level);
        }
    }
    window_.pumpEvents();
    if (refreshAllowed()) {
        writeRowCounterCaption();
    }
}

// Decided afresh each time: chkFast and Rows may have changed in between.
bool Simulator::refreshAllowed() const {
    const int fast = window_.fastModeValue();
    return fast == 0 || (fast == 1 && state_.Rows % 1000 == 0);
}

void Simulator::refreshLevel(int level) {
    writeWinningsCaption(caption_, state_.Winnings, state_.Rows, separator_);
    window_.setCaption(LabelId::winnings(level), caption_);
    const auto counts = state_.Hits(level);
    for (int k = level; k >= 0; --k) {
        writeHitsCaption(caption_, level, k, counts[static_cast<std::size_t>(k)], state_.Rows,
                         separator_);
        window_.setCaption(LabelId::hits(level, k), caption_);
    }
}

void Simulator::announceJackpot() {
    writeHitsCaption(caption_, maxLevel, maxLevel, state_.Hits(maxLevel).back(), state_.Rows,
                     separator_);
    window_.setCaption(LabelId::hits(maxLevel, maxLevel), caption_);
    writeJackpotMessage(message_, state_.Drawn);
    window_.showMessage(message_);
}

void Simulator::writeRowCounterCaption() {
    writeRowCounter(caption_, state_.Rows, separator_);
    window_.setCaption(LabelId::rowCounter(), caption_);
}

}  // namespace zarno

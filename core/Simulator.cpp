#include "core/Simulator.h"

#include <algorithm>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/Narrowing.h"
#include "platform/NumberFormat.h"
#include "platform/NumberText.h"

namespace zarno {

Simulator::Simulator(WindowPort& window, RuntimeServices& services, RowEngine& engine,
                     Wording wording)
    : window_(window), services_(services), engine_(engine), wording_(std::move(wording)) {
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

std::optional<double> Simulator::levelValue() const {
    return textToNumber(window_.text(Control::cmbTaso), wording_.separator());
}

// Checks the boxes the level asks for, in index order.
bool Simulator::numbersComplete(double level) const {
    for (int i = 0; i < numberBoxes; ++i) {
        if (level > i && !isNumeric(window_.text(numberBox(i)), wording_.separator())) {
            return false;
        }
    }
    return true;
}

int Simulator::chosenLevel() const {
    const std::optional<double> level = levelValue();
    const int floored = level ? floorToInt16(*level) : 0;
    return isLevel(floored) ? floored : 0;
}

void Simulator::readRunSettings() {
    play_.level = floorToInt16(levelValue().value_or(0));
    const int boxes = std::clamp(play_.level, 0, numberBoxes);
    for (int i = 0; i < numberBoxes; ++i) {
        const auto number = i < boxes
                                ? textToNumber(window_.text(numberBox(i)), wording_.separator())
                                : std::nullopt;
        play_.numbers[static_cast<std::size_t>(i)] = hittableNumber(number.value_or(0));
    }
    fastMode_ = window_.fastModeValue();
}

void Simulator::cmdAloitaArvonta_Click() {
    // A level that is not a number, or whose integer part is above the ten boxes there are, is
    // refused like a missing number instead of failing or reading past the boxes.
    const std::optional<double> level = levelValue();
    if (!level || floorOf(*level) > maxLevel || !numbersComplete(*level)) {
        showMessage(wording_(texts::numbersMissing));
        return;
    }
    window_.setEnabled(Control::cmdAloitaArvonta, false);
    window_.setEnabled(Control::cmbTaso, false);
    window_.setEnabled(Control::cmdTauko, true);
    window_.setEnabled(Control::chkFast, false);
    const bool newSeries = state_.NewSeries;
    if (newSeries) {
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
    readRunSettings();
    if (newSeries) {
        engine_.beginSeries(play_);
    } else {
        engine_.resume(play_);
    }
    going_ = true;  // the window's ticks draw from here on
}

bool Simulator::running() const {
    return going_ && !ended_ && (!state_.StopRequested || limitRowOwed_);
}

Simulator::Tick Simulator::tick(Deadline deadline) {
    if (ticking_) {
        return Tick::waiting;  // the tick that opened the message box goes on after OK
    }
    ticking_ = true;
    const struct Done {
        bool& ticking;
        ~Done() { ticking = false; }
    } done{ticking_};
    while (running()) {
        if (!commitStretch()) {
            return Tick::waiting;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return running() ? Tick::more : Tick::stopped;
        }
    }
    return Tick::stopped;
}

// One pass of the run: the row-limit test, then the rows of the stretch, counted, committed and
// scored. False when its rows are not ready yet.
bool Simulator::commitStretch() {
    if (!limitRowOwed_ && static_cast<double>(state_.Rows) >= rowLimit) {
        state_.StopRequested = true;
        showCounter(state_.Rows);
        showMessage(wording_(texts::rowLimitReached));
        limitRowOwed_ = true;  // the pass still completes: one more row
    }
    const std::int64_t most = limitRowOwed_
                                  ? 1
                                  : std::min(1000 - state_.Rows % 1000,
                                             static_cast<std::int64_t>(rowLimit) - state_.Rows);
    std::span<const std::uint8_t> hits = engine_.ready(most);
    if (hits.empty()) {
        return false;
    }
    HitCounts rows = engine_.countHits(hits.size());
    if (play_.level == maxLevel && rows[maxLevel] > 0) {
        const auto jackpot = std::find(hits.begin(), hits.end(), maxLevel);
        hits = hits.first(static_cast<std::size_t>(jackpot - hits.begin()) + 1);
        rows = engine_.countHits(hits.size());
    }
    state_.Rows += static_cast<std::int64_t>(hits.size());
    record_.commit(engine_.prizeSums(hits.size()));
    engine_.commit(hits.size(), state_.Drawn);
    limitRowOwed_ = false;
    ScoreRows(rows);
    return true;
}

void Simulator::ScoreRows(const HitCounts& rows) {
    const int level = play_.level;
    if (isLevel(level)) {
        tally(state_, level, rows);
        if (level == maxLevel && rows[maxLevel] > 0) {
            announceJackpot();
        }
        if (refreshAllowed()) {
            const auto counts = state_.Hits(level);
            shown_.level = level;
            shown_.rows = state_.Rows;
            shown_.winnings = state_.Winnings;
            std::copy(counts.begin(), counts.end(), shown_.hits.begin());
            shown_.levelPending = true;
            shown_.jackpotPending = false;  // the refresh rewrites the 10-hit label too
            record_.refresh(level, state_);
        }
    }
    if (refreshAllowed()) {
        showCounter(state_.Rows);
    }
}

// Fast mode refreshes at every 1000th row; any value but 0 and 1 refreshes nothing.
bool Simulator::refreshAllowed() const {
    return fastMode_ == 0 || (fastMode_ == 1 && state_.Rows % 1000 == 0);
}

void Simulator::showCounter(std::int64_t rows) {
    shown_.counter = rows;
    shown_.counterPending = true;
}

void Simulator::announceJackpot() {
    shown_.jackpots = state_.Hits(maxLevel)[maxLevel];
    shown_.jackpotRows = state_.Rows;
    shown_.jackpotPending = true;
    writeJackpotMessage(message_, state_.Drawn, wording_);
    showMessage(message_);
}

// The window behind a message shows what led to it.
void Simulator::showMessage(std::string_view text) {
    presentResults();
    services_.showMessage(text);
}

void Simulator::presentResults() {
    if (shown_.levelPending) {
        shown_.levelPending = false;
        const int level = shown_.level;
        writeWinningsCaption(caption_, shown_.winnings, shown_.rows, wording_);
        window_.setCaption(LabelId::winnings(level), caption_);
        writeWinningsTip(caption_, level, shown_.rows, wording_);
        window_.setToolTip(LabelId::winnings(level), caption_);
        for (int k = level; k >= 0; --k) {
            writeHitsCaption(caption_, level, k, shown_.hits[static_cast<std::size_t>(k)],
                             shown_.rows, wording_);
            window_.setCaption(LabelId::hits(level, k), caption_);
        }
    }
    if (shown_.jackpotPending) {
        shown_.jackpotPending = false;
        writeHitsCaption(caption_, maxLevel, maxLevel, shown_.jackpots, shown_.jackpotRows,
                         wording_);
        window_.setCaption(LabelId::hits(maxLevel, maxLevel), caption_);
    }
    if (shown_.counterPending) {
        shown_.counterPending = false;
        writeRowCounter(caption_, shown_.counter, wording_);
        window_.setCaption(LabelId::rowCounter(), caption_);
    }
}

void Simulator::cmdTauko_Click() {
    if (state_.NewSeries) {
        return;
    }
    state_.StopRequested = true;
    limitRowOwed_ = false;  // a row the limit still owes is not waited for
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
    showCounter(0);
    presentResults();
    window_.setEnabled(Control::cmdTauko, false);
    window_.setVisible(Control::cmdTauko, true);
    window_.setVisible(Control::cmdJatka, false);
    window_.setEnabled(Control::chkFast, true);
    state_.hitCounts.fill(0);
    record_.clear();
    engine_.stop();  // the rows drawn ahead belong to the series that ends here
    limitRowOwed_ = false;
    HideLevelPanel();
    cmbTaso_Click();
}

void Simulator::cmdExit_Click() {
    ended_ = true;  // no row is committed after the end, whatever events remain
    services_.endProgram();
}

void Simulator::cmbTaso_Click() {
    for (int i = 0; i < numberBoxes; ++i) {
        window_.setEnabled(numberBox(i), false);
    }
    const std::optional<double> level = levelValue();
    if (!level) {
        return;  // a typed text that is no number enables no box
    }
    // A level above ten enables all ten boxes and never one beyond them.
    const int last = std::min<int>(toInt16(floorOf(*level) - 1), numberBoxes - 1);
    for (int a = 0; a <= last; ++a) {
        window_.setEnabled(numberBox(a), true);
    }
}

// Frames are shown and hidden only on an exact match of the level, so a level such as 2.5 that
// passes the start matches no frame.
void Simulator::setLevelFrameVisible(bool visible) {
    const std::optional<double> level = levelValue();
    for (int l = minLevel; l <= maxLevel; ++l) {
        if (level && *level == l) {
            window_.setVisible(levelFrame(l), visible);
        }
    }
}

void Simulator::ShowLevelPanel() {
    setLevelFrameVisible(true);
}

void Simulator::HideLevelPanel() {
    setLevelFrameVisible(false);
}

}  // namespace zarno

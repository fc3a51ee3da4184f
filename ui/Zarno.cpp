#include "ui/Zarno.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/Narrowing.h"
#include "platform/NumberText.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Translations.h"
#include "ui/ChartWindow.h"
#include "ui/Dialogs.h"
#include "ui/Icon.h"
#include "ui/Layout.h"
#include "ui/RunLooks.h"
#include "ui/SteadyFrame.h"
#include "ui/lesson/LessonWindow.h"

namespace zarno {
namespace {

QWidget* createWidget(const ui::ControlSpec& entry, const QString& caption, QWidget* container,
                      QObject* filter) {
    switch (entry.kind) {
        case ui::ControlKind::button:
            return new QPushButton(caption, container);
        case ui::ControlKind::checkBox:
            return new QCheckBox(caption, container);
        case ui::ControlKind::label: {
            auto* label = new QLabel(caption, container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ui::ControlKind::editableCombo: {
            auto* combo = new QComboBox(container);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            for (int level = minLevel; level <= maxLevel; ++level) {
                combo->addItem(QString::number(level));
            }
            combo->setCurrentIndex(-1);
            combo->setEditText(caption);
            // Enter would choose a matching entry; only the list chooses one.
            combo->lineEdit()->installEventFilter(filter);
            return combo;
        }
        case ui::ControlKind::listCombo: {
            // The numbers 1 to 70 in order, none chosen.
            auto* combo = new QComboBox(container);
            for (int number = 1; number <= highestNumber; ++number) {
                combo->addItem(QString::number(number));
            }
            combo->setCurrentIndex(-1);
            return combo;
        }
        case ui::ControlKind::frame:
            return new SteadyFrame(caption, container);
    }
    return nullptr;
}

// A button runs its handler when clicked, a combo box when an entry of its list is chosen (never
// when its text is typed).
template <class Slot>
void onClick(QWidget* control, QObject* context, Slot slot) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QObject::connect(button, &QAbstractButton::clicked, context, slot);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QObject::connect(combo, &QComboBox::activated, context, slot);
    }
}

void setLook(QWidget* control, ui::Look look) {
    control->setEnabled(look != ui::Look::off);
    control->setVisible(look != ui::Look::hidden);
}

// How long one tick may commit rows before the events waiting behind it get their turn. On a
// machine whose workers always have rows ready, it bounds how long a click waits.
constexpr std::chrono::milliseconds tickBudget{1};

Series::Deadline afterBudget() {
    return std::chrono::steady_clock::now() + tickBudget;
}

}  // namespace

Zarno::Zarno(Series& series, QWidget* parent)
    : QWidget(parent),
      series_(series),
      run_(series),
      wording_(decimalSeparatorOf(QLocale()), translated) {
    installFontFallbacks();
    setWindowTitle(qtext(texts::title));
    setWindowIcon(ui::zarnoIcon());
    setFont(designFont(8.25));
    resize(ui::toPixels(ui::clientArea).size());
    createControls();
    setExpectations();
    applyRunState();
    caption_.reserve(128);
    // A frame's captions cost the rows about half a millisecond of the window's thread, so a
    // screen faster than 60 Hz gets them 60 times a second: figures that change at every frame
    // cannot be read faster anyway.
    constexpr double mostHertz = 60;
    const QScreen* shownOn = screen();
    const double hertz = shownOn && shownOn->refreshRate() > 1
                             ? std::min(shownOn->refreshRate(), mostHertz)
                             : mostHertz;
    frame_.setInterval(std::chrono::milliseconds(static_cast<int>(1000.0 / hertz)));
    connect(&frame_, &QTimer::timeout, this, [this] { tick(afterBudget(), true); });
    connect(this, &Zarno::rowsReady, this, &Zarno::tickOnWake, Qt::QueuedConnection);
    series_.setWake([this] { wake(); });
}

Zarno::~Zarno() {
    series_.setWake({});
}

void Zarno::createControls() {
    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ui::ControlSpec& entry : ui::windowLayout()) {
        QWidget* created = createWidget(entry, qtext(wording_(entry.caption)),
                                        entry.in ? widget(*entry.in) : this, this);
        created->setObjectName(entry.name);
        if (entry.font.points != ui::FontSpec{}.points || entry.font.bold || entry.font.underline) {
            created->setFont(designFont(entry.font.points, entry.font.bold, entry.font.underline));
        }
        QRect geometry = ui::toPixels(entry.rect);
        if (entry.sizedToText) {
            geometry.setSize(geometry.size().expandedTo(created->sizeHint()));
        }
        created->setGeometry(geometry);
        if (entry.hidden) {
            created->hide();
        }
        if (entry.control) {
            controls_[static_cast<std::size_t>(*entry.control)] = created;
        }
        if (entry.label) {
            labels_[static_cast<std::size_t>(entry.label->index())] =
                qobject_cast<QLabel*>(created);
        }
        if (entry.tab > 0) {
            tabbed.emplace_back(entry.tab, created);
        }
        if (const ui::Handler handler = entry.onClick) {
            onClick(created, this, [this, handler] { (this->*handler)(); });
        }
    }
    std::sort(tabbed.begin(), tabbed.end());
    for (std::size_t i = 0; i < tabbed.size(); ++i) {
        tabOrder_.push_back(tabbed[i].second);
        if (i > 0) {
            QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
        }
    }
}

// What the odds lead one to expect never changes: the hit labels' tooltips, and the first line
// of the winnings labels' tooltips, which the results complete once rows are shown.
void Zarno::setExpectations() {
    for (int level = minLevel; level <= maxLevel; ++level) {
        for (int k = 0; k <= level; ++k) {
            writeExpectedShare(caption_, level, k, wording_);
            label(LabelId::hits(level, k))->setToolTip(qtext(caption_));
        }
        writeWinningsTip(caption_, level, 0, wording_);
        label(LabelId::winnings(level))->setToolTip(qtext(caption_));
    }
    for (QLabel* each : labels_) {
        each->setAccessibleDescription(each->toolTip());  // what a screen reader reads
    }
}

void Zarno::cmdAloitaArvonta_Click() {
    transitioned(run_.apply(RunEvent::start, entries()));
}

void Zarno::cmdTauko_Click() {
    transitioned(run_.apply(RunEvent::pause));
}

void Zarno::cmdJatka_Click() {
    transitioned(run_.apply(RunEvent::resume, entries()));
}

void Zarno::cmdReset_Click() {
    transitioned(run_.apply(RunEvent::startOver, Entries{levelValue()}));
}

void Zarno::cmbTaso_Click() {
    transitioned(run_.apply(RunEvent::chooseLevel, Entries{levelValue()}));
}

void Zarno::cmdExit_Click() {
    quit();
}

// Quitting and closing the window end the program alike, also while rows are being drawn.
void Zarno::quit() {
    run_.apply(RunEvent::close);
    applyRunState();
    frame_.stop();
    emit quitRequested();
}

void Zarno::cmdKaavio_Click() {
    if (!chart_) {
        chart_ = std::make_unique<ChartWindow>(wording_);
        chart_->setWindowIcon(windowIcon());
        connect(chart_.get(), &ChartWindow::budgetChanged, this, [this](int budget) {
            series_.setBudget(budget);
            chart_->present(series_.record(), chartPlay());
        });
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
    chart_->present(series_.record(), chartPlay());
}

void Zarno::cmdOppitunti_Click() {
    if (!lesson_) {
        lesson_ = std::make_unique<LessonWindow>(wording_);
        lesson_->setWindowIcon(windowIcon());
        const Entries entered = entries();
        const std::optional<double> level = entered.level;
        const int floored = level ? floorToInt16(*level) : 0;
        std::optional<std::array<int, numberBoxes>> numbers;
        const auto made = playOf(entered);
        if (const auto* play = std::get_if<Play>(&made);
            play &&
            isTicket(std::span(play->numbers)
                         .first(static_cast<std::size_t>(std::clamp(play->level, 0, numberBoxes))),
                     play->level)) {
            numbers = play->numbers;
        }
        lesson_->setPlay(isLevel(floored) ? floored : minLevel, numbers);
    }
    lesson_->show();
    lesson_->raise();
    lesson_->activateWindow();
}

void Zarno::transitioned(std::optional<Refusal> refusal) {
    applyRunState();
    if (refusal) {
        writeRefusal(caption_, *refusal, wording_);
        showMessage(qtext(caption_));
        return;
    }
    tick(Series::Deadline{});  // one pass at most: the event loop draws the rest
}

// Every control's flags from the run's state, the number boxes and the frames from the level.
void Zarno::applyRunState() {
    const ui::RunLook& look = ui::lookOf(run_.state());
    setLook(widget(Control::cmdAloitaArvonta), look.start);
    setLook(widget(Control::cmdTauko), look.pause);
    setLook(widget(Control::cmdJatka), look.resume);
    setLook(widget(Control::cmdReset), look.startOver);
    setLook(widget(Control::cmbTaso), look.level);
    setLook(widget(Control::chkFast), look.fast);
    for (int i = 0; i < numberBoxes; ++i) {
        numberBox(i)->setEnabled(look.numbers && i < run_.boxes());
    }
    for (int level = minLevel; level <= maxLevel; ++level) {
        frmZarno(level)->setVisible(look.frame && level == run_.frame());
    }
}

Tick Zarno::tick(Series::Deadline deadline, bool frame) {
    if (message_) {
        return Tick::waiting;  // the run goes on after OK
    }
    const RunState before = run_.state();
    const Progress progress = run_.tick(deadline);
    if (run_.state() != before) {
        applyRunState();
    }
    // A jackpot that passes reaches its label with the frame, as the other captions do: at level
    // 10 one passes about as often as a frame comes, and painting each at once would paint twice.
    if (progress.announcement == Announcement::jackpot && run_.jackpotsStop()) {
        writeJackpotMessage(caption_, series_.snapshot().drawn, wording_);
        showMessage(qtext(caption_), qtext(wording_(texts::keepDrawing)));
        return Tick::waiting;
    }
    if (progress.announcement == Announcement::limit) {
        showMessage(qtext(wording_(texts::rowLimitReached)));
        return Tick::waiting;
    }
    // Repainting costs far more than a row, so while rows are drawn the captions reach the labels
    // once a frame; a stopped run shows its last ones at once.
    const bool stopped = progress.tick == Tick::stopped;
    if (frame || stopped) {
        presentCaptions();
        if (chart_ && chart_->isVisible()) {
            chart_->present(series_.record(), chartPlay(),
                            stopped ? ChartWindow::When::now : ChartWindow::When::due);
        }
    }
    if (stopped) {
        frame_.stop();
        return progress.tick;
    }
    if (!frame_.isActive()) {
        frame_.start();
    }
    if (progress.tick == Tick::more) {
        wake();  // the rest after the events that wait
    }
    return progress.tick;
}

// The window behind a message shows what led to it.
void Zarno::showMessage(const QString& text, const QString& choice) {
    presentCaptions();
    frame_.stop();
    message_ = openMessage(this, text, choice);
    connect(message_, &QMessageBox::finished, this, [this] {
        if (message_->checkBox() && message_->checkBox()->isChecked()) {
            run_.letJackpotsPass();
        }
        message_.clear();
        wake();
    });
}

// Writes the captions whose figures changed since they were last presented.
void Zarno::presentCaptions() {
    const SeriesSnapshot now = series_.snapshot();
    const int level = now.play.level;
    if (now.shown && (now.shown != presented_.shown || level != presented_.play.level)) {
        const Tally& shown = *now.shown;
        writeWinningsCaption(caption_, shown.winnings, shown.rows, wording_);
        label(LabelId::winnings(level))->setText(qtext(caption_));
        writeWinningsTip(caption_, level, shown.rows, wording_);
        const QString tip = qtext(caption_);
        label(LabelId::winnings(level))->setToolTip(tip);
        label(LabelId::winnings(level))->setAccessibleDescription(tip);
        for (int k = level; k >= 0; --k) {
            writeHitsCaption(caption_, level, k, shown.hits[static_cast<std::size_t>(k)],
                             shown.rows, wording_);
            label(LabelId::hits(level, k))->setText(qtext(caption_));
        }
    }
    presentJackpot(now);
    if (now.counter != presented_.counter) {
        writeRowCounter(caption_, now.counter, wording_);
        label(LabelId::rowCounter())->setText(qtext(caption_));
    }
    presented_ = now;
}

// The 10-hit label of a jackpot committed since the last refresh, until the refresh rewrites it.
void Zarno::presentJackpot(const SeriesSnapshot& now) {
    if (now.jackpot && now.jackpot != presented_.jackpot) {
        writeHitsCaption(caption_, maxLevel, maxLevel, now.jackpot->count, now.jackpot->rows,
                         wording_);
        label(LabelId::hits(maxLevel, maxLevel))->setText(qtext(caption_));
        presented_.jackpot = now.jackpot;
    }
}

// Queued, so that nothing a worker thread writes crosses to the window's thread but what Qt
// itself hands over.
void Zarno::wake() {
    if (!wakePosted_.exchange(true)) {
        emit rowsReady();
    }
}

void Zarno::tickOnWake() {
    wakePosted_ = false;
    tick(afterBudget());
}

std::optional<double> Zarno::levelValue() const {
    return textToNumber(comboBox(Control::cmbTaso)->currentText().toStdString(),
                        wording_.separator());
}

Entries Zarno::entries() const {
    Entries read{levelValue()};
    for (int i = 0; i < numberBoxes; ++i) {
        read.numbers[static_cast<std::size_t>(i)] =
            textToNumber(numberBox(i)->currentText().toStdString(), wording_.separator());
    }
    read.fast = checkBox(Control::chkFast)->isChecked();
    return read;
}

// The series' own play once it has shown rows; before, the level the level box names.
Play Zarno::chartPlay() const {
    Play play = series_.snapshot().play;
    if (series_.record().rows() == 0) {
        const std::optional<double> level = levelValue();
        const int floored = level ? floorToInt16(*level) : 0;
        play.level = isLevel(floored) ? floored : 0;
    }
    return play;
}

QPushButton* Zarno::button(Control control) const {
    return qobject_cast<QPushButton*>(widget(control));
}

QComboBox* Zarno::comboBox(Control control) const {
    return qobject_cast<QComboBox*>(widget(control));
}

QCheckBox* Zarno::checkBox(Control control) const {
    return qobject_cast<QCheckBox*>(widget(control));
}

QGroupBox* Zarno::frmZarno(int level) const {
    return qobject_cast<QGroupBox*>(widget(levelFrame(level)));
}

// The focus starts on the first control of the Tab order that can take it.
void Zarno::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    for (QWidget* candidate : tabOrder_) {
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void Zarno::closeEvent(QCloseEvent* event) {
    event->accept();
    quit();
}

bool Zarno::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zarno

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
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/qt/Fonts.h"
#include "ui/ChartWindow.h"
#include "ui/Icon.h"
#include "ui/Layout.h"

namespace zarno {
namespace {

char decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

// The texts as the translations installed in the application give them, and the separator of
// the default locale.
Wording wordingOf(const QLocale& locale) {
    return Wording(decimalSeparatorOf(locale), [](std::string_view finnish) {
        return QCoreApplication::translate("Zarno", std::string(finnish).c_str()).toStdString();
    });
}

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
        case ui::ControlKind::listCombo:
            return new QComboBox(container);
        case ui::ControlKind::frame:
            return new QGroupBox(caption, container);
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

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

// How long one tick may commit rows before the events waiting behind it get their turn. On a
// machine whose workers always have rows ready, it bounds how long a click waits.
constexpr std::chrono::milliseconds tickBudget{1};

}  // namespace

Zarno::Zarno(RuntimeServices& services, RowEngine& engine, QWidget* parent)
    : QWidget(parent),
      engine_(engine),
      wording_(wordingOf(QLocale())),
      simulator_(*this, services, engine, wording_) {
    installFontFallbacks();
    setWindowTitle(qtext(texts::title));
    setWindowIcon(ui::zarnoIcon());
    setFont(designFont(8.25));
    resize(ui::toPixels(ui::clientArea).size());
    createControls();
    setExpectations();
    const QScreen* shownOn = screen();
    const double hertz = shownOn && shownOn->refreshRate() > 1 ? shownOn->refreshRate() : 60.0;
    frame_.setInterval(std::chrono::milliseconds(static_cast<int>(1000.0 / hertz)));
    connect(&frame_, &QTimer::timeout, this, [this] { tick(true); });
    engine_.setWake([this] { wake(); });
    simulator_.Form_Load();
}

Zarno::~Zarno() {
    engine_.setWake({});
}

void Zarno::cmdKaavio_Click() {
    if (!chart_) {
        chart_ = std::make_unique<ChartWindow>(simulator_, wording_);
        chart_->setWindowIcon(windowIcon());
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
    chart_->present();
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
        std::visit(Overloaded{
                       [](std::monostate) {},
                       [&](void (Simulator::*handler)()) {
                           onClick(created, this, [this, handler] {
                               (simulator_.*handler)();
                               tick(false);  // the window reacts to the state it left
                           });
                       },
                       [&](void (Zarno::*handler)()) {
                           onClick(created, this, [this, handler] { (this->*handler)(); });
                       },
                   },
                   entry.onClick);
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
    std::string text;
    for (int level = minLevel; level <= maxLevel; ++level) {
        for (int k = 0; k <= level; ++k) {
            writeExpectedShare(text, level, k, wording_);
            setToolTip(LabelId::hits(level, k), text);
        }
        writeWinningsTip(text, level, 0, wording_);
        setToolTip(LabelId::winnings(level), text);
    }
}

void Zarno::tick(bool frame) {
    const auto outcome = simulator_.tick(std::chrono::steady_clock::now() + tickBudget);
    // Repainting costs far more than a row, so while rows are drawn the captions reach the labels
    // once a frame; a stopped run shows its last ones at once.
    if (frame || outcome == Simulator::Tick::stopped) {
        simulator_.presentResults();
        if (chart_ && chart_->isVisible()) {
            chart_->present(outcome == Simulator::Tick::stopped ? ChartWindow::When::now
                                                                : ChartWindow::When::due);
        }
    }
    if (outcome == Simulator::Tick::stopped) {
        frame_.stop();
        return;
    }
    if (!frame_.isActive()) {
        frame_.start();
    }
    if (outcome == Simulator::Tick::more) {
        wake();  // the rest after the events that wait
    }
}

// The call is queued by name, so that nothing this thread writes crosses to the window's thread
// but what Qt itself hands over.
void Zarno::wake() {
    if (!wakePosted_.exchange(true)) {
        QMetaObject::invokeMethod(this, "tickOnWake", Qt::QueuedConnection);
    }
}

void Zarno::tickOnWake() {
    wakePosted_ = false;
    tick(false);
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

std::string Zarno::text(Control control) const {
    return comboBox(control)->currentText().toStdString();
}

int Zarno::fastModeValue() const {
    return checkBox(Control::chkFast)->checkState() == Qt::Checked ? 1 : 0;
}

void Zarno::setEnabled(Control control, bool enabled) {
    widget(control)->setEnabled(enabled);
}

void Zarno::setVisible(Control control, bool visible) {
    widget(control)->setVisible(visible);
}

void Zarno::addItem(Control control, std::string_view item) {
    QComboBox* box = comboBox(control);
    const bool noneChosen = box->currentIndex() < 0;
    box->addItem(qtext(item));
    if (noneChosen) {
        box->setCurrentIndex(-1);  // appending never chooses an entry
    }
}

void Zarno::setCaption(LabelId id, std::string_view caption) {
    label(id)->setText(qtext(caption));
}

void Zarno::setToolTip(LabelId id, std::string_view text) {
    const QString tip = qtext(text);
    label(id)->setToolTip(tip);
    label(id)->setAccessibleDescription(tip);
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

// Closing the window ends the program as quitting does, also while rows are being drawn.
void Zarno::closeEvent(QCloseEvent* event) {
    event->accept();
    simulator_.cmdExit_Click();
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

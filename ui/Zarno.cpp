#include "ui/Zarno.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "core/ResultsText.h"
#include "core/Texts.h"
#include "platform/qt/Fonts.h"
#include "ui/Icon.h"
#include "ui/Layout.h"

namespace zarno {
namespace {

char decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

QFont fontOf(const ui::FontSpec& entry) {
    return designFont(entry.points, entry.bold, entry.underline);
}

}  // namespace

Zarno::Zarno(RuntimeServices& services, RowEngine& engine, QWidget* parent)
    : QWidget(parent),
      services_(services),
      separator_(decimalSeparatorOf(QLocale())),
      simulator_(*this, services, engine, separator_) {
    installFontFallbacks();
    setWindowTitle(qtext(texts::title));
    setWindowIcon(ui::zarnoIcon());
    setFont(designFont(8.25));
    resize(ui::toPixels(ui::clientArea).size());
    createControls();
    setExpectations();
    connectHandlers();
    setTabOrder();
    const QScreen* shownOn = screen();
    const double hertz = shownOn && shownOn->refreshRate() > 1 ? shownOn->refreshRate() : 60.0;
    frame_.setInterval(static_cast<int>(1000.0 / hertz));
    connect(&frame_, &QTimer::timeout, this, [this] { simulator_.presentResults(); });
    simulator_.Form_Load();
}

void Zarno::createControls() {
    QHash<QString, QWidget*> byName;
    QHash<int, QGroupBox*> frames;
    for (const ui::ControlSpec& entry : ui::windowLayout()) {
        const bool inFrame = entry.level != 0 && entry.kind != ui::ControlKind::frame;
        QWidget* container = inFrame ? frames.value(entry.level) : static_cast<QWidget*>(this);
        QWidget* created = nullptr;
        switch (entry.kind) {
            case ui::ControlKind::button:
                created = new QPushButton(entry.caption, container);
                break;
            case ui::ControlKind::checkBox:
                created = new QCheckBox(entry.caption, container);
                break;
            case ui::ControlKind::label: {
                auto* label = new QLabel(entry.caption, container);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setTextFormat(Qt::PlainText);
                created = label;
                break;
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
                combo->setEditText(entry.caption);
                // Enter would choose a matching entry; only the list chooses one.
                combo->lineEdit()->installEventFilter(this);
                created = combo;
                break;
            }
            case ui::ControlKind::listCombo:
                created = new QComboBox(container);
                break;
            case ui::ControlKind::frame: {
                auto* frame = new QGroupBox(entry.caption, container);
                frames.insert(entry.level, frame);
                created = frame;
                break;
            }
        }
        created->setObjectName(entry.name);
        if (entry.font.points != ui::FontSpec{}.points || entry.font.bold || entry.font.underline) {
            created->setFont(fontOf(entry.font));
        }
        QRect geometry = ui::toPixels(entry.rect);
        if (entry.sizedToText) {
            geometry.setSize(geometry.size().expandedTo(created->sizeHint()));
        }
        created->setGeometry(geometry);
        if (entry.hidden) {
            created->hide();
        }
        byName.insert(entry.name, created);
    }

    const auto find = [&](const QString& name) { return byName.value(name); };
    for (int c = 0; c < static_cast<int>(Control::count); ++c) {
        controls_[static_cast<std::size_t>(c)] = find(ui::controlName(static_cast<Control>(c)));
    }
    labels_[0] = qobject_cast<QLabel*>(find(ui::labelName(LabelId::rowCounter())));
    for (int level = minLevel; level <= maxLevel; ++level) {
        labels_[static_cast<std::size_t>(LabelId::winnings(level).index())] =
            qobject_cast<QLabel*>(find(ui::winningsLabelName(level)));
        for (int k = 0; k <= level; ++k) {
            labels_[static_cast<std::size_t>(LabelId::hits(level, k).index())] =
                qobject_cast<QLabel*>(find(ui::hitLabelName(level, k)));
        }
    }

    chkFast = qobject_cast<QCheckBox*>(find("chkFast"));
    lblZarno = qobject_cast<QLabel*>(find("lblZarno"));
    cmdExit = qobject_cast<QPushButton*>(find("cmdExit"));
    lblTaso = qobject_cast<QLabel*>(find("lblTaso"));
    cmbTaso = qobject_cast<QComboBox*>(find("cmbTaso"));
    lblRiveja = qobject_cast<QLabel*>(find("lblRiveja"));
    lblArvontoja = qobject_cast<QLabel*>(find("lblArvontoja"));
    txtTasot = qobject_cast<QLabel*>(find("txtTasot"));
    for (int i = 0; i < numberBoxes; ++i) {
        cmbNumero[static_cast<std::size_t>(i)] =
            qobject_cast<QComboBox*>(find(ui::numberBoxName(i)));
    }
    cmdAloitaArvonta = qobject_cast<QPushButton*>(find("cmdAloitaArvonta"));
    cmdReset = qobject_cast<QPushButton*>(find("cmdReset"));
    cmdTauko = qobject_cast<QPushButton*>(find("cmdTauko"));
    cmdJatka = qobject_cast<QPushButton*>(find("cmdJatka"));
}

template <class Handler>
void Zarno::whileDrawing(Handler handler) {
    if (drawing_++ == 0) {
        frame_.start();
    }
    handler();
    if (--drawing_ == 0) {
        frame_.stop();
    }
}

// What the odds lead one to expect never changes: the hit labels' tooltips, and the first line
// of the winnings labels' tooltips, which the results complete once rows are shown.
void Zarno::setExpectations() {
    std::string text;
    for (int level = minLevel; level <= maxLevel; ++level) {
        for (int k = 0; k <= level; ++k) {
            writeExpectedShare(text, level, k, separator_);
            setToolTip(LabelId::hits(level, k), text);
        }
        writeWinningsTip(text, level, 0, separator_);
        setToolTip(LabelId::winnings(level), text);
    }
}

void Zarno::connectHandlers() {
    connect(cmdAloitaArvonta, &QPushButton::clicked, this,
            [this] { whileDrawing([this] { simulator_.cmdAloitaArvonta_Click(); }); });
    connect(cmdTauko, &QPushButton::clicked, this, [this] { simulator_.cmdTauko_Click(); });
    connect(cmdJatka, &QPushButton::clicked, this,
            [this] { whileDrawing([this] { simulator_.cmdJatka_Click(); }); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { simulator_.cmdReset_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { simulator_.cmdExit_Click(); });
    // activated is emitted when the user chooses an entry, never when the text is typed.
    connect(cmbTaso, &QComboBox::activated, this, [this] { simulator_.cmbTaso_Click(); });
}

void Zarno::setTabOrder() {
    const auto& order = ui::tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(findChild<QWidget*>(order[i - 1]), findChild<QWidget*>(order[i]));
    }
}

QGroupBox* Zarno::frmZarno(int level) const {
    return qobject_cast<QGroupBox*>(widget(levelFrame(level)));
}

std::string Zarno::text(Control control) const {
    return qobject_cast<QComboBox*>(widget(control))->currentText().toStdString();
}

int Zarno::fastModeValue() const {
    return chkFast->checkState() == Qt::Checked ? 1 : 0;
}

void Zarno::setEnabled(Control control, bool enabled) {
    widget(control)->setEnabled(enabled);
}

void Zarno::setVisible(Control control, bool visible) {
    widget(control)->setVisible(visible);
}

void Zarno::addItem(Control control, std::string_view item) {
    auto* box = qobject_cast<QComboBox*>(widget(control));
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

// The focus starts on the first control of the tab order that can take it.
void Zarno::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    for (const QString& name : ui::tabOrder()) {
        QWidget* candidate = findChild<QWidget*>(name);
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

// Closing the window ends the program as quitting does, also while rows are being drawn.
void Zarno::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.endProgram();
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

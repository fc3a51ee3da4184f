#include "ui/lesson/LessonWindow.h"

#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include <qcustomplot.h>

#include "core/chart/LessonText.h"
#include "core/engine/RowEngine.h"
#include "core/series/Series.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/RandomNumbers.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"
#include "ui/Dialogs.h"
#include "ui/chart/ChartStyle.h"
#include "ui/chart/ChartTab.h"
#include "ui/chart/Report.h"
#include "ui/lesson/IconArray.h"

namespace zarno {

// A thousand players' rows: one seeded series on a clock that stands still, so that the seed
// shown repeats it, cut into the players' sessions as it is committed.
struct LessonDrawing {
    LessonDrawing(std::uint64_t fresh, const Play& play, int rowsPerWeek, int years)
        : seed(fresh),
          engine(clock, fresh),
          series(engine),
          players(lessonPlayers, rowsPerWeek, years, static_cast<int>(fresh % lessonPlayers)) {
        series.setCommitted([this](const StretchPrizes& prizes) { players.commit(prizes); });
        series.begin(play);
    }
    ~LessonDrawing() { series.setWake({}); }

    std::uint64_t seed;
    StillClock clock;
    RowEngine engine;
    Series series;
    LessonPlayers players;
};

namespace {

// A guess not given shows blank: a box's lowest value stands for none.
QSpinBox* guessBox(int low, int high) {
    auto* box = new QSpinBox;
    box->setRange(low - 1, high);
    box->setSpecialValueText(QStringLiteral(" "));
    box->setValue(low - 1);
    box->setAccelerated(true);
    return box;
}

std::optional<std::int64_t> guessOf(const QSpinBox* box) {
    return box->value() == box->minimum() ? std::nullopt
                                          : std::optional<std::int64_t>(box->value());
}

// Numbers spread over the 70, for a main window whose own make no ticket.
std::array<int, numberBoxes> pickedNumbers(int level) {
    std::array<int, numberBoxes> numbers{};
    for (int i = 0; i < level; ++i) {
        numbers[static_cast<std::size_t>(i)] = 2 + 7 * i;
    }
    return numbers;
}

QString numbersText(const std::array<int, numberBoxes>& numbers, int level) {
    QStringList shown;
    for (int i = 0; i < level; ++i) {
        shown << QString::number(numbers[static_cast<std::size_t>(i)]);
    }
    return shown.join(QStringLiteral(", "));
}

QTableWidget* resultTable(QWidget* parent) {
    QTableWidget* table = style::createTable(parent);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// The lines' names on the left, their figures on the right.
void fillTable(QTableWidget* table, const Table& content) {
    style::fillTable(table, content);
    for (int r = 0; r < table->rowCount(); ++r) {
        table->item(r, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

}  // namespace

LessonWindow::LessonWindow(const Wording& wording, QWidget* parent)
    : QWidget(parent, Qt::Window),
      wording_(wording),
      steps_(new QStackedWidget),
      previous_(new QPushButton(text(texts::previousStep))),
      next_(new QPushButton(text(texts::nextStep))),
      level_(new QSpinBox),
      rowsPerWeek_(new QSpinBox),
      years_(new QSpinBox),
      stake_(new QLabel),
      numbersLine_(new QLabel),
      aheadGuess_(guessBox(0, lessonPlayers)),
      payoutGuess_(guessBox(0, 200)),
      medianGuess_(guessBox(
          -static_cast<int>(odds::lessonRows(odds::mostRowsAWeek, odds::mostYears)), 10'000'000)),
      play_(new QPushButton(text(texts::playYears))),
      atOnce_(new QPushButton(text(texts::showAtOnce))),
      seedLine_(new QLabel),
      yearLine_(new QLabel),
      icons_(new IconArray),
      fan_(style::createPlot(this)),
      truth_(resultTable(this)),
      kept_(new QLabel),
      rowShares_(resultTable(this)),
      saveAnswers_(new QPushButton(text(texts::saveAnswers))),
      saveReport_(new QPushButton(text(texts::saveReport))),
      laws_(
          {},
          [](const LawKey& key, const std::atomic<bool>* cancel) {
              return odds::lessonLaw(std::get<0>(key), std::get<1>(key), std::get<2>(key), cancel);
          },
          odds::LawCache<LawKey, odds::LessonLaw>::Asked::supersedes, [this] { emit lawReady(); }) {
    setWindowTitle(text(texts::lessonTitle));
    setObjectName("Oppitunti");
    resize(860, 640);

    // 1. How one plays.
    auto* playPage = new QWidget;
    auto* playForm = new QFormLayout(playPage);
    playForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    level_->setRange(minLevel, maxLevel);
    rowsPerWeek_->setRange(1, odds::mostRowsAWeek);
    rowsPerWeek_->setValue(2);
    years_->setRange(1, odds::mostYears);
    years_->setValue(10);
    playForm->addRow(text(texts::levelHeading), level_);
    playForm->addRow(text(texts::rowsPerWeek), rowsPerWeek_);
    playForm->addRow(text(texts::yearsPlayed), years_);
    playForm->addRow(stake_);
    playForm->addRow(numbersLine_);
    // 2. A guess first.
    auto* guessPage = new QWidget;
    auto* guessForm = new QFormLayout(guessPage);
    guessForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* intro = new QLabel(text(texts::guessIntro));
    intro->setWordWrap(true);
    guessForm->addRow(intro);
    guessForm->addRow(text(texts::guessAhead), aheadGuess_);
    guessForm->addRow(text(texts::guessPayout), payoutGuess_);
    guessForm->addRow(text(texts::guessMedian), medianGuess_);
    aheadGuess_->setObjectName("aheadGuess");
    payoutGuess_->setObjectName("payoutGuess");
    medianGuess_->setObjectName("medianGuess");
    // 3. The years lived.
    auto* livePage = new QWidget;
    auto* live = new QVBoxLayout(livePage);
    auto* liveButtons = new QHBoxLayout;
    liveButtons->addWidget(play_);
    liveButtons->addWidget(atOnce_);
    liveButtons->addStretch();
    liveButtons->addWidget(yearLine_);
    liveButtons->addWidget(seedLine_);
    live->addLayout(liveButtons);
    auto* charts = new QHBoxLayout;
    auto* figures = new QVBoxLayout;
    figures->addWidget(icons_, 1);
    auto* legend = new QLabel;
    legend->setObjectName("legend");
    figures->addWidget(legend);
    charts->addLayout(figures, 3);
    charts->addWidget(fan_, 2);
    live->addLayout(charts, 1);
    icons_->setObjectName("players");
    play_->setObjectName("PelaaVuodet");
    atOnce_->setObjectName("NaytaHeti");
    atOnce_->setEnabled(false);
    // The legend: each shape and what it stands for.
    QPixmap shapes(300, 54);
    shapes.fill(Qt::transparent);
    {
        QPainter painter(&shapes);
        painter.setRenderHint(QPainter::Antialiasing);
        const std::pair<IconArray::Standing, std::string_view> entries[] = {
            {IconArray::Standing::ahead, texts::standingAhead},
            {IconArray::Standing::behind, texts::standingBehind},
            {IconArray::Standing::farBehind, texts::standingFarBehind}};
        for (std::size_t i = 0; i < std::size(entries); ++i) {
            const auto y = static_cast<double>(18 * i);
            IconArray::paintFigure(painter, entries[i].first, QRectF(0, y, 16, 16), palette());
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRectF(22, y, 278, 16), Qt::AlignVCenter, text(entries[i].second));
        }
    }
    legend->setPixmap(shapes);
    legend->setAccessibleName(text(texts::standingAhead) + ", " + text(texts::standingBehind) +
                              ", " + text(texts::standingFarBehind));
    const style::ChartColours& c = style::coloursFor(palette());
    fan_->xAxis->setLabel(text(texts::yearsPlayed));
    fan_->yAxis->setLabel(text(texts::netAxis));
    fan_->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
    style::addBand(fan_, c.band3, text(texts::crowd90));
    style::addBand(fan_, c.band2, text(texts::crowd50));
    style::addGraph(fan_, c.expected, text(texts::crowdMedian));
    style::addGraph(fan_, c.stray, text(texts::you))->setPen(QPen(c.stray, 2.5));
    style::followPalette(fan_, palette());
    // 4. The truth.
    auto* truthPage = new QWidget;
    auto* truthLayout = new QVBoxLayout(truthPage);
    truthLayout->addWidget(truth_);
    truthLayout->addWidget(kept_);
    truthLayout->addWidget(rowShares_);
    auto* truthButtons = new QHBoxLayout;
    auto* again = new QPushButton(text(texts::playAgain));
    truthButtons->addWidget(saveAnswers_);
    truthButtons->addWidget(saveReport_);
    truthButtons->addStretch();
    truthButtons->addWidget(again);
    truthLayout->addLayout(truthButtons);
    truth_->setObjectName("truth");
    rowShares_->setObjectName("rowShares");
    saveAnswers_->setObjectName("TallennaVastaukset");
    saveReport_->setObjectName("TallennaRaportti");
    again->setObjectName("PelaaUudestaan");

    const std::string_view titles[] = {texts::lessonPlayStep, texts::lessonGuessStep,
                                       texts::lessonLiveStep, texts::lessonTruthStep};
    QWidget* pages[] = {playPage, guessPage, livePage, truthPage};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        auto* title = new QLabel(QStringLiteral("%1. %2").arg(i + 1).arg(text(titles[i])));
        QFont big = title->font();
        big.setPointSizeF(big.pointSizeF() * 1.4);
        big.setBold(true);
        title->setFont(big);
        layout->addWidget(title);
        layout->addWidget(pages[i], 1);
        steps_->addWidget(page);
    }
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(previous_);
    navigation->addStretch();
    navigation->addWidget(next_);
    previous_->setObjectName("Edellinen");
    next_->setObjectName("Seuraava");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps_, 1);
    layout->addLayout(navigation);

    connect(previous_, &QPushButton::clicked, this, [this] { goTo(steps_->currentIndex() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goTo(steps_->currentIndex() + 1); });
    // The keyboard turns the steps as a browser's pages: Alt+Left back, Alt+Right on.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated,
            previous_, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated,
            next_, &QPushButton::click);
    for (QSpinBox* choice : {level_, rowsPerWeek_, years_}) {
        connect(choice, &QSpinBox::valueChanged, this, &LessonWindow::choicesChanged);
    }
    connect(play_, &QPushButton::clicked, this, &LessonWindow::playYears);
    connect(atOnce_, &QPushButton::clicked, this, &LessonWindow::showAtOnce);
    connect(again, &QPushButton::clicked, this, [this] {
        goTo(liveStep);
        playYears();
    });
    connect(saveAnswers_, &QPushButton::clicked, this, &LessonWindow::saveAnswers);
    connect(saveReport_, &QPushButton::clicked, this, &LessonWindow::saveReport);
    connect(this, &LessonWindow::rowsReady, this, &LessonWindow::drawRows, Qt::QueuedConnection);
    connect(this, &LessonWindow::lawReady, this, &LessonWindow::showTruth, Qt::QueuedConnection);
    yearTimer_.setTimerType(Qt::PreciseTimer);
    connect(&yearTimer_, &QTimer::timeout, this, [this] { showYear(yearShown_ + 1); });
    setPlay(minLevel, std::nullopt);
    goTo(playStep);
}

LessonWindow::~LessonWindow() = default;

QString LessonWindow::text(std::string_view finnish) const {
    return qtext(wording_(finnish));
}

void LessonWindow::setPlay(int level, std::optional<std::array<int, numberBoxes>> numbers) {
    level_->setValue(std::clamp(level, minLevel, maxLevel));
    numbersPicked_ = !numbers;
    numbers_ = numbers ? *numbers : pickedNumbers(level_->value());
    choicesChanged();
}

// A new choice makes what was lived and guessed for the last one void.
void LessonWindow::choicesChanged() {
    if (numbersPicked_ ||
        level_->value() != static_cast<int>(std::count_if(numbers_.begin(), numbers_.end(),
                                                          [](int n) { return n > 0; }))) {
        numbersPicked_ = true;
        numbers_ = pickedNumbers(level_->value());
    }
    stake_->setText(qtext(stakeText(rowsPerWeek_->value(), years_->value(), wording_)));
    const QString shown = numbersText(numbers_, level_->value());
    numbersLine_->setText(text(numbersPicked_ ? texts::lessonPickedNumbers : texts::lessonNumbers)
                              .replace(QStringLiteral("%1"), shown));
    drawing_.reset();
    lesson_.reset();
    yearTimer_.stop();
    yearShown_ = 0;
    icons_->clear();
    for (int g = 0; g < fan_->graphCount(); ++g) {
        fan_->graph(g)->data()->clear();
    }
    fan_->replot(QCustomPlot::rpQueuedReplot);
    seedLine_->clear();
    yearLine_->clear();
    atOnce_->setEnabled(false);
    law();  // worked out while the pupil guesses
    goTo(std::min(steps_->currentIndex(), int{liveStep}));
}

// The truth is seen only after the years are lived.
void LessonWindow::goTo(int step) {
    step = std::clamp(step, int{playStep}, int{truthStep});
    if (step == truthStep && !(lesson_ && yearShown_ == years_->value())) {
        step = liveStep;
    }
    steps_->setCurrentIndex(step);
    previous_->setEnabled(step > playStep);
    next_->setEnabled(step < liveStep ||
                      (step == liveStep && lesson_ && yearShown_ == years_->value()));
    next_->setDefault(true);
    if (step == truthStep) {
        showTruth();
    }
    steps_->currentWidget()->setFocus();
    if (QWidget* first = steps_->currentWidget()->nextInFocusChain();
        first && steps_->currentWidget()->isAncestorOf(first)) {
        first->setFocus(Qt::TabFocusReason);
    }
}

Play LessonWindow::play() const {
    Play play;
    play.level = level_->value();
    play.numbers = numbers_;
    return play;
}

LessonGuesses LessonWindow::guesses() const {
    LessonGuesses guessed{guessOf(aheadGuess_), std::nullopt, guessOf(medianGuess_)};
    if (const auto payout = guessOf(payoutGuess_)) {
        guessed.payout = static_cast<double>(*payout) / 100;
    }
    return guessed;
}

const odds::LessonLaw* LessonWindow::law() {
    return laws_.laws({level_->value(), rowsPerWeek_->value(), years_->value()}).laws;
}

void LessonWindow::playYears() {
    SystemClock system;
    drawing_ = std::make_unique<LessonDrawing>(freshSeed(system), play(), rowsPerWeek_->value(),
                                               years_->value());
    drawing_->series.setWake([this] { emit rowsReady(); });
    lesson_.reset();
    yearTimer_.stop();
    yearShown_ = 0;
    showAll_ = false;
    icons_->clear();
    seedLine_->setText(
        text(texts::lessonSeed).replace(QStringLiteral("%1"), QString::number(drawing_->seed)));
    yearLine_->clear();
    atOnce_->setEnabled(true);
    goTo(liveStep);
    drawRows();
}

// Committed in ticks from the event loop, as the main window's rows: a few milliseconds at a
// time, the rest after the events that wait.
void LessonWindow::drawRows() {
    if (!drawing_ || lesson_) {
        return;
    }
    LessonDrawing& drawing = *drawing_;
    const Progress progress = drawing.series.commit(
        std::chrono::steady_clock::now() + std::chrono::milliseconds(5), drawing.players.rows());
    if (!drawing.players.complete()) {
        if (progress.tick != Tick::waiting) {
            emit rowsReady();
        }
        return;
    }
    drawing.series.stop();
    const LessonPlayers& players = drawing.players;
    Lesson lived;
    lived.play = play();
    lived.rowsPerWeek = rowsPerWeek_->value();
    lived.years = years_->value();
    lived.seed = drawing.seed;
    lived.guesses = guesses();
    lived.net = players.finalNet();
    lived.you = players.you();
    lived.yourRows = players.yourRows();
    lived.allRows = players.allRows();
    lesson_ = std::move(lived);
    if (showAll_) {
        showYear(years_->value());
        return;
    }
    // About a year a second, and ten seconds in all at the most.
    yearTimer_.start(std::min(1000, 10'000 / years_->value()));
    showYear(1);
}

void LessonWindow::showAtOnce() {
    showAll_ = true;
    if (lesson_) {
        showYear(years_->value());
    }
}

void LessonWindow::showYear(int year) {
    if (!drawing_ || !lesson_) {
        return;
    }
    yearShown_ = std::min(year, years_->value());
    drawYear();
    if (yearShown_ == years_->value()) {
        yearTimer_.stop();
        atOnce_->setEnabled(false);
        next_->setEnabled(steps_->currentIndex() == liveStep);
        emit lived();
    }
}

// The players as they stand at the end of the year shown, and the crowd's fan, exact, with "you"
// as one path inside it.
void LessonWindow::drawYear() {
    const int year = yearShown_;
    if (!drawing_ || year == 0) {
        return;
    }
    const LessonPlayers& players = drawing_->players;
    const std::int64_t paid = odds::lessonRows(rowsPerWeek_->value(), year);
    std::vector<std::int64_t> net;
    for (int p = 0; p < players.players(); ++p) {
        net.push_back(players.winnings(p, year) - paid);
    }
    icons_->show(net, paid, players.you(), text(texts::you), text(texts::playersAhead));
    yearLine_->setText(text(texts::lessonYear)
                           .replace(QStringLiteral("%1"), QString::number(year))
                           .replace(QStringLiteral("%2"), QString::number(years_->value())));
    QVector<double> yearsAxis, youPath;
    for (int y = 1; y <= year; ++y) {
        yearsAxis << y;
        youPath << static_cast<double>(players.winnings(players.you(), y) -
                                       odds::lessonRows(rowsPerWeek_->value(), y));
    }
    if (const odds::LessonLaw* exact = law(); exact && exact->complete) {
        std::array<QVector<double>, odds::crowdPercents.size()> shares;
        QVector<double> fanYears;
        for (std::size_t y = 0; y < exact->crowd.size(); ++y) {
            fanYears << static_cast<double>(y + 1);
            for (std::size_t s = 0; s < shares.size(); ++s) {
                shares[s] << static_cast<double>(exact->crowd[y].net[s]);
            }
        }
        // The graphs: the 5-95 % band's edges, the 25-75 % band's, the median.
        const std::pair<int, std::size_t> lines[] = {{0, 0}, {1, 4}, {2, 1}, {3, 3}, {4, 2}};
        for (const auto& [graph, share] : lines) {
            fan_->graph(graph)->setData(fanYears, shares[share], true);
        }
    }
    fan_->graph(5)->setData(yearsAxis, youPath, true);
    fan_->rescaleAxes();
    fan_->xAxis->setRange(0.5, years_->value() + 0.5);
    fan_->replot(QCustomPlot::rpQueuedReplot);
}

void LessonWindow::showTruth() {
    const odds::LessonLaw* exact = law();
    if (lesson_ && exact && exact->complete) {
        fillTable(truth_, truthTable(*lesson_, *exact, wording_));
        fillTable(rowShares_, rowSharesTable(*lesson_, wording_));
        kept_->setText(qtext(keptText(SeriesRecord{}, level_->value(), wording_)));
    }
    saveAnswers_->setEnabled(lesson_ && exact && exact->complete);
    saveReport_->setEnabled(saveAnswers_->isEnabled());
    drawYear();  // the fan, once its law is in
}

void LessonWindow::saveAnswers() {
    askForFile(this, FileUse::save, text(texts::saveAnswers), QStringLiteral("oppitunti.json"),
               text(texts::lessonFiles), [this](const QString& file) { saveAnswersTo(file); });
}

void LessonWindow::saveAnswersTo(const QString& file) {
    const odds::LessonLaw* exact = law();
    if (!lesson_ || !exact || !exact->complete) {
        return;
    }
    Lesson saved = *lesson_;
    saved.guesses = guesses();
    const std::string document = lessonDocument(saved, *exact);
    const QString reason =
        writeWholeFile(withSuffix(file, QStringLiteral("json")),
                       QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    if (!reason.isEmpty()) {
        openMessage(this, text(texts::answersNotSaved) + '\n' + reason);
    }
}

void LessonWindow::saveReport() {
    askForFile(this, FileUse::save, text(texts::saveReport), QStringLiteral("oppitunti.pdf"),
               text(texts::reportFiles), [this](const QString& file) { saveReportTo(file); });
}

void LessonWindow::saveReportTo(const QString& file) {
    if (!saveReport_->isEnabled()) {
        return;
    }
    const QString reason = writePdf(withSuffix(file, QStringLiteral("pdf")), windowTitle(),
                                    [this](QPagedPaintDevice& pdf) { return paintReport(pdf); });
    if (!reason.isEmpty()) {
        openMessage(this, text(texts::reportNotSaved) + '\n' + reason);
    }
}

// One page for a handout: the play, the date, the truth, and the thousand figures.
bool LessonWindow::paintReport(QPagedPaintDevice& device) {
    const odds::LessonLaw& exact = *law();
    SeriesRecord none;
    QStringList head = reportHead(play(), none, lesson_->seed, wording_);
    head.removeAt(2);  // the rows are the lesson's own
    head.insert(2, qtext(stakeText(rowsPerWeek_->value(), years_->value(), wording_)));
    head.last() = seedLine_->text();
    const QPixmap figures = icons_->grab();
    return paintPage(device, head, text(texts::lessonTruthStep), figures,
                     {truthTable(*lesson_, exact, wording_), rowSharesTable(*lesson_, wording_)},
                     kept_->text());
}

}  // namespace zarno

#include "ui/ChartWindow.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include <qcustomplot.h>

#include "core/chart/ChartFigures.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"
#include "ui/Dialogs.h"
#include "ui/Report.h"

namespace zarno {
namespace {

// The graphs of the payout chart, in the order they are drawn.
enum PayoutGraph { band3Low, band3High, band2Low, band2High, expectedLine, observedPath };
// The graphs of the hits chart.
enum HitsGraph { observedShares, strayingShares };
// The graphs of the crowd's fan.
enum CrowdGraph {
    low5,
    high95,
    low25,
    high75,
    crowdMedian,
    crowdExpected,
    firstObservedShare,
    firstPath = firstObservedShare + odds::crowdPercents.size()
};

// The hit chart's scale reaches down to shares of 10^-7.
constexpr double smallestShare = 1e-5;  // percent
// While rows are drawn the chart is drawn this often: live to the eye, and at a few milliseconds a
// time, at a cost of a few percent of one processor.
constexpr qint64 drawingInterval = 200;  // milliseconds
// The crowd's and the budget's charts hold many lines and change as players complete, a few times
// a second at most: they are drawn less often, so that the rows go on at the engine's pace.
constexpr qint64 playersDrawingInterval = 1000;  // milliseconds

// A budget's law by level and budget in one key.
constexpr int budgetKeyBase = 1'000'000;
static_assert(odds::largestBudget < budgetKeyBase);
int budgetKey(int level, int budget) {
    return level * budgetKeyBase + budget;
}

QSharedPointer<QCPAxisTickerLog> logTicker() {
    return QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog);
}

// The charts' colours, for a light desktop and for a dark one: each series stands out from the
// background it is drawn on.
struct ChartColours {
    QColor observed, observedFill, expected, band2, band3, stray, lucky, path;
};
const ChartColours& coloursFor(const QPalette& palette) {
    static const ChartColours light{{0, 70, 160},        {0, 70, 160, 150},   {40, 40, 40},
                                    {110, 160, 230, 90}, {110, 160, 230, 45}, {200, 30, 30},
                                    {20, 140, 60},       {120, 120, 120, 110}};
    static const ChartColours dark{{120, 175, 255},      {120, 175, 255, 150}, {230, 230, 230},
                                   {110, 160, 230, 110}, {110, 160, 230, 60},  {255, 120, 120},
                                   {100, 220, 130},      {180, 180, 180, 120}};
    return palette.color(QPalette::Base).lightness() < 128 ? dark : light;
}

// Axes, grid, texts and background from the desktop's palette: the texts as it writes on its
// base colour, so that a dark or a high-contrast theme stays readable.
void followPalette(QCustomPlot* plot, const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    plot->setBackground(base);
    for (QCPAxis* axis : plot->axisRect()->axes()) {
        axis->setBasePen(QPen(text));
        axis->setTickPen(QPen(text));
        axis->setSubTickPen(QPen(text));
        axis->setTickLabelColor(text);
        axis->setLabelColor(text);
        axis->grid()->setPen(QPen(palette.color(QPalette::Mid), 0, Qt::DotLine));
        axis->grid()->setZeroLinePen(QPen(palette.color(QPalette::Mid)));
    }
    plot->legend->setBrush(base);
    plot->legend->setTextColor(text);
    plot->legend->setBorderPen(QPen(text));
    for (int i = 0; i < plot->itemCount(); ++i) {
        if (auto* label = qobject_cast<QCPItemText*>(plot->item(i))) {
            label->setColor(text);
        }
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
}

QCustomPlot* createPlot(QWidget* parent) {
    auto* plot = new QCustomPlot(parent);
    plot->setLocale(QLocale());  // the locale's decimal separator on the axes
    plot->setMinimumHeight(260);
    plot->legend->setVisible(true);
    plot->setNoAntialiasingOnDrag(true);
    plot->setNotAntialiasedElements(QCP::aeFills);
    plot->setPlottingHint(QCP::phFastPolylines);
    return plot;
}

QCPGraph* addGraph(QCustomPlot* plot, const QColor& colour, const QString& name) {
    QCPGraph* graph = plot->addGraph();
    graph->setPen(QPen(colour, 1.5));
    graph->setName(name);
    return graph;
}

// A table to read, cell by cell with the arrow keys; Tab leaves it for the next control.
QTableWidget* createTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

ChartWindow::ChartWindow(const Wording& wording, StartThread lawsThread, QWidget* parent)
    : QWidget(parent, Qt::Window),
      wording_(wording),
      laws_(lawsThread),
      budgetLaws_(
          lawsThread,
          [](int key, const std::atomic<bool>* cancel) {
              return odds::budgetLaw(key / budgetKeyBase, key % budgetKeyBase, cancel);
          },
          odds::LawCache<odds::BudgetLaw>::Asked::supersedes) {
    setWindowTitle(text(texts::chartTitle));
    setObjectName("Kaavio");
    resize(900, 700);

    tabs_ = new QTabWidget(this);
    keptPayout_ = new QLabel;
    keptPayout_->setObjectName("keptPayout");
    tabs_->addTab(createTab(payoutTab, keptPayout_), text(texts::payoutTab));
    tabs_->addTab(createTab(hitsTab), text(texts::hitsTab));
    auto* lengthRow = new QWidget;
    auto* lengthLayout = new QHBoxLayout(lengthRow);
    lengthLayout->setContentsMargins(0, 0, 0, 0);
    sessionLength_ = new QComboBox;
    for (const int length : sessionLengths) {
        sessionLength_->addItem(QString::number(length));
    }
    sessionLength_->setCurrentIndex(2);
    auto* lengthLabel = new QLabel(text(texts::playerRows));
    lengthLabel->setBuddy(sessionLength_);
    lengthLayout->addWidget(lengthLabel);
    lengthLayout->addWidget(sessionLength_);
    lengthLayout->addStretch();
    lawsNotice_ = new QLabel(text(texts::lawsUnavailable));
    lawsNotice_->setObjectName("lawsNotice");
    lawsNotice_->hide();
    lengthLayout->addWidget(lawsNotice_);
    tabs_->addTab(createTab(playersTab, lengthRow), text(texts::playersTab));
    auto* budgetRow = new QWidget;
    auto* budgetLayout = new QHBoxLayout(budgetRow);
    budgetLayout->setContentsMargins(0, 0, 0, 0);
    budget_ = new QSpinBox;
    budget_->setObjectName("budget");
    budget_->setRange(odds::smallestBudget, odds::largestBudget);
    budget_->setValue(odds::defaultBudget);
    auto* budgetLabel = new QLabel(text(texts::budgetLabel));
    budgetLabel->setBuddy(budget_);
    budgetFrom_ = new QLabel;
    budgetFrom_->setObjectName("budgetFrom");
    budgetLayout->addWidget(budgetLabel);
    budgetLayout->addWidget(budget_);
    budgetLayout->addStretch();
    budgetLayout->addWidget(budgetFrom_);
    tabs_->addTab(createTab(budgetTab, budgetRow), text(texts::budgetTab));
    auto* columnRow = new QWidget;
    auto* columnLayout = new QHBoxLayout(columnRow);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    keptLevels_ = new QLabel;
    keptLevels_->setObjectName("keptLevels");
    levelsColumn_ = new QComboBox;
    levelsColumn_->setObjectName("levelsColumn");
    for (std::size_t c = 1; c < texts::levelsColumns.size(); ++c) {  // every figure but the level
        levelsColumn_->addItem(text(texts::levelsColumns[c]));
    }
    auto* columnLabel = new QLabel(text(texts::levelsColumn));
    columnLabel->setBuddy(levelsColumn_);
    columnLayout->addWidget(keptLevels_);
    columnLayout->addStretch();
    columnLayout->addWidget(columnLabel);
    columnLayout->addWidget(levelsColumn_);
    tabs_->addTab(createTab(levelsTab, columnRow), text(texts::levelsTab));

    auto* buttons = new QHBoxLayout;
    const auto button = [&](std::string_view caption, const char* name,
                            void (ChartWindow::*run)()) {
        auto* created = new QPushButton(text(caption));
        created->setObjectName(name);
        buttons->addWidget(created);
        connect(created, &QPushButton::clicked, this, run);
        return created;
    };
    button(texts::copy, "Kopioi", &ChartWindow::copyTable);
    button(texts::saveImage, "TallennaKuva", &ChartWindow::saveImage);
    needRows_.push_back(button(texts::saveRun, "TallennaAjo", &ChartWindow::saveRun));
    button(texts::openRun, "AvaaAjo", &ChartWindow::openRun);
    needRows_.push_back(button(texts::saveReport, "TallennaRaportti", &ChartWindow::saveReport));
    needRows_.push_back(button(texts::print, "Tulosta", &ChartWindow::print));
    buttons->addStretch();
    button(texts::about, "Tietoja", &ChartWindow::showAbout);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // From anywhere in the window, not only from the tabs' own bar.
    const auto turn = [this](int by) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + by + tabs_->count()) % tabs_->count());
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [turn] { turn(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this),
            &QShortcut::activated, this, [turn] { turn(-1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Backtab), this), &QShortcut::activated,
            this, [turn] { turn(-1); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &ChartWindow::copyTable);
    connect(tabs_, &QTabWidget::currentChanged, this, &ChartWindow::draw);
    connect(sessionLength_, &QComboBox::currentIndexChanged, this, &ChartWindow::draw);
    connect(levelsColumn_, &QComboBox::currentIndexChanged, this, &ChartWindow::draw);
    // The record shown cuts the new budget's players from its next row, as the series' own does.
    connect(budget_, &QSpinBox::valueChanged, this, [this](int budget) {
        record_.setBudget(budget);
        emit budgetChanged(budget);
        draw();
    });
    lawsPending_.setSingleShot(true);
    lawsPending_.setInterval(50);
    connect(&lawsPending_, &QTimer::timeout, this, &ChartWindow::draw);
    reportPending_.setSingleShot(true);
    reportPending_.setInterval(50);
    connect(&reportPending_, &QTimer::timeout, this, &ChartWindow::reportIfLawsAtHand);
}

QWidget* ChartWindow::createTab(Tab tab, QWidget* above) {
    const ChartColours& c = coloursFor(palette());
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (above) {
        layout->addWidget(above);
    }
    QCustomPlot* plot = createPlot(page);
    plots_[tab] = plot;
    QTableWidget* table = createTable(page);
    table->setMinimumHeight(150);
    tables_[tab] = table;
    if (tab == playersTab) {
        crowdPlot_ = createPlot(page);
        auto* charts = new QHBoxLayout;
        charts->addWidget(plot);
        charts->addWidget(crowdPlot_);
        layout->addLayout(charts, 3);
    } else {
        layout->addWidget(plot, 3);
    }
    layout->addWidget(table, 2);
    if (tab == budgetTab) {
        budgetSummary_ = createTable(page);
        budgetSummary_->setObjectName("budgetSummary");
        budgetSummary_->setMaximumHeight(60);
        layout->addWidget(budgetSummary_);
    }

    switch (tab) {
        case payoutTab: {
            plot->xAxis->setScaleType(QCPAxis::stLogarithmic);
            plot->xAxis->setTicker(logTicker());
            plot->xAxis->setNumberFormat("eb");
            plot->xAxis->setNumberPrecision(0);
            plot->xAxis->setLabel(text(texts::rowsAxis));
            plot->yAxis->setLabel(text(texts::payoutAxis));
            // Each band is its lower edge and its upper edge filled down to it: the 3σ band
            // first, then the 2σ band over it.
            for (const auto& [colour, name] :
                 {std::pair{c.band3, texts::band3}, std::pair{c.band2, texts::band2}}) {
                QCPGraph* lower = addGraph(plot, Qt::transparent, text(name));
                QCPGraph* upper = addGraph(plot, Qt::transparent, text(name));
                upper->setBrush(colour);
                upper->setChannelFillGraph(lower);
                lower->removeFromLegend();
            }
            QCPGraph* expected = addGraph(plot, c.expected, text(texts::expected));
            expected->setPen(QPen(c.expected, 1, Qt::DashLine));
            addGraph(plot, c.observed, text(texts::observed));
            break;
        }
        case hitsTab: {
            plot->xAxis->setLabel(text(texts::hitsAxis));
            auto ticker = QSharedPointer<QCPAxisTickerFixed>(new QCPAxisTickerFixed);
            ticker->setTickStep(1);
            plot->xAxis->setTicker(ticker);
            plot->yAxis->setScaleType(QCPAxis::stLogarithmic);
            plot->yAxis->setTicker(logTicker());
            plot->yAxis->setNumberFormat("eb");
            plot->yAxis->setNumberPrecision(0);
            plot->yAxis->setLabel(text(texts::shareAxis));
            plot->yAxis->setRange(smallestShare, 100);
            auto* exact = new QCPBars(plot->xAxis, plot->yAxis);
            exact->setName(text(texts::expected));
            exact->setWidth(0.6);
            exact->setBaseValue(smallestShare / 10);  // a logarithmic axis has no 0
            exact->setPen(QPen(c.expected));
            exact->setBrush(c.band2);
            QCPGraph* shares = addGraph(plot, c.observed, text(texts::observed));
            shares->setLineStyle(QCPGraph::lsNone);
            shares->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, c.observed, 8));
            QCPGraph* strays = addGraph(plot, c.stray, text(texts::stray));
            strays->setLineStyle(QCPGraph::lsNone);
            strays->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCrossSquare, 11));
            break;
        }
        case playersTab: {
            plot->xAxis->setLabel(text(texts::netAxis));
            plot->yAxis->setLabel(text(texts::playersAxis));
            auto* group = new QCPBarsGroup(plot);
            for (const auto& [colour, name] :
                 {std::pair{c.observed, texts::observed}, std::pair{c.expected, texts::expected}}) {
                auto* bars = new QCPBars(plot->xAxis, plot->yAxis);
                bars->setName(text(name));
                bars->setPen(QPen(colour));
                bars->setBrush(colour == c.observed ? c.observedFill : c.band2);
                bars->setBarsGroup(group);
            }
            auto* ahead = new QCPItemText(plot);
            ahead->setObjectName("ahead");
            ahead->setText(text(texts::ahead));
            ahead->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);

            crowdPlot_->xAxis->setScaleType(QCPAxis::stLogarithmic);
            crowdPlot_->xAxis->setTicker(logTicker());
            crowdPlot_->xAxis->setNumberFormat("gb");
            crowdPlot_->xAxis->setLabel(text(texts::playerRowsAxis));
            crowdPlot_->yAxis->setLabel(text(texts::netAxis));
            crowdPlot_->axisRect()->insetLayout()->setInsetAlignment(
                0, Qt::AlignBottom | Qt::AlignLeft);  // below the fan, which opens downwards
            for (const auto& [colour, name] :
                 {std::pair{c.band3, texts::crowd90}, std::pair{c.band2, texts::crowd50}}) {
                QCPGraph* lower = addGraph(crowdPlot_, Qt::transparent, text(name));
                QCPGraph* upper = addGraph(crowdPlot_, Qt::transparent, text(name));
                upper->setBrush(colour);
                upper->setChannelFillGraph(lower);
                lower->removeFromLegend();
            }
            addGraph(crowdPlot_, c.observed, text(texts::crowdMedian));
            QCPGraph* expectedNet = addGraph(crowdPlot_, c.expected, text(texts::expected));
            expectedNet->setPen(QPen(c.expected, 1, Qt::DashLine));
            for (std::size_t s = 0; s < odds::crowdPercents.size(); ++s) {
                QCPGraph* seen = addGraph(crowdPlot_, c.observed, text(texts::observed));
                seen->setPen(QPen(c.observed, 1.5, Qt::DotLine));
                if (s > 0) {
                    seen->removeFromLegend();
                }
            }
            for (std::size_t p = 0; p < CrowdTally::pathsKept; ++p) {
                QCPGraph* path = addGraph(crowdPlot_, c.path, text(texts::crowdPaths));
                path->setPen(QPen(c.path, 0.8));
                if (p > 0) {
                    path->removeFromLegend();
                }
            }
            break;
        }
        case budgetTab: {
            plot->xAxis->setScaleType(QCPAxis::stLogarithmic);
            plot->xAxis->setTicker(logTicker());
            plot->xAxis->setNumberFormat("gb");
            plot->xAxis->setLabel(text(texts::playerRowsAxis));
            plot->yAxis->setLabel(text(texts::goneAxis));
            plot->yAxis->setRange(0, 100);
            plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
            addGraph(plot, c.expected, text(texts::expected));
            QCPGraph* seen = addGraph(plot, c.observed, text(texts::observed));
            seen->setLineStyle(QCPGraph::lsNone);
            seen->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, c.observed, 7));
            break;
        }
        case levelsTab: {
            plot->xAxis->setLabel(text(texts::levelsColumns[0]));
            auto ticker = QSharedPointer<QCPAxisTickerFixed>(new QCPAxisTickerFixed);
            ticker->setTickStep(1);
            plot->xAxis->setTicker(ticker);
            plot->xAxis->setRange(minLevel - 0.6, maxLevel + 0.6);
            plot->legend->setVisible(false);
            // The chosen level's bar stands out from the others.
            for (const QColor& colour : {c.band2, c.observed}) {
                auto* bars = new QCPBars(plot->xAxis, plot->yAxis);
                bars->setWidth(0.6);
                bars->setPen(QPen(colour == c.observed ? c.observed : c.expected));
                bars->setBrush(colour);
            }
            break;
        }
    }
    followPalette(plot, palette());
    if (tab == playersTab) {
        followPalette(crowdPlot_, palette());
    }
    return page;
}

void ChartWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        for (QCustomPlot* plot : plots_) {
            followPalette(plot, palette());
        }
        followPalette(crowdPlot_, palette());
    }
    QWidget::changeEvent(event);
}

QString ChartWindow::text(std::string_view finnish) const {
    return qtext(wording_(finnish));
}

void ChartWindow::present(const SeriesRecord& record, const Play& play, When when,
                          std::optional<std::uint64_t> seed) {
    const int tab = tabs_->currentIndex();
    const qint64 interval =
        tab == playersTab || tab == budgetTab ? playersDrawingInterval : drawingInterval;
    if (when == When::due && drawn_.isValid() && drawn_.elapsed() < interval) {
        return;
    }
    record_ = record;
    play_ = play;
    seed_ = seed;
    draw();
}

// The exact law of the budget set, at the level shown; asking starts its work. Without a level
// there is none to wait for.
odds::LawCache<odds::BudgetLaw>::Answer ChartWindow::budgetLaw() {
    if (!isLevel(play_.level)) {
        return {nullptr, true};
    }
    return budgetLaws_.laws(budgetKey(play_.level, budget_->value()));
}

// The exact laws for a file or a report: worked out here, a fraction of a second, when their
// thread has not yet given them.
const odds::SessionLaws* ChartWindow::lawsAtHand() {
    if (!isLevel(play_.level)) {
        return nullptr;
    }
    if (const odds::SessionLaws* laws = laws_.laws(play_.level).laws) {
        return laws;
    }
    worked_ = odds::sessionLaws(play_.level);
    return &worked_;
}

void ChartWindow::draw() {
    drawn_.start();
    // Asked for whatever the tab, so that the laws are in hand by the time the players' tab is.
    const odds::SessionLawCache::Answer answer =
        isLevel(play_.level) ? laws_.laws(play_.level) : odds::SessionLawCache::Answer{};
    if (isLevel(play_.level) && !answer.laws && !answer.unavailable) {
        lawsPending_.start();
    }
    lawsNotice_->setVisible(answer.unavailable);  // the next drawing asks again
    for (QPushButton* button : needRows_) {
        button->setEnabled(isLevel(play_.level) && record_.rows() > 0);
    }
    switch (tabs_->currentIndex()) {
        case payoutTab:
            drawPayout();
            break;
        case hitsTab:
            drawHits();
            break;
        case playersTab:
            drawPlayers(answer.laws);
            drawCrowd(answer.laws);
            break;
        case budgetTab:
            drawBudget();
            break;
        case levelsTab:
            drawLevels();
            break;
        default:
            break;
    }
}

Table ChartWindow::drawPayout() {
    keptPayout_->setText(qtext(keptText(record_, play_.level, wording_)));
    Table table = payoutTable(record_, play_.level, wording_);
    fill(tables_[payoutTab], table);
    QCustomPlot* plot = plots_[payoutTab];
    const chart::PayoutFigure figure = chart::payoutFigure(record_, play_.level);
    QVector<double> rows, low2, high2, low3, high3, expected;
    for (const chart::FunnelPoint& point : figure.funnel) {
        rows << point.rows;
        low3 << point.low3;
        low2 << point.low2;
        expected << point.expected;
        high2 << point.high2;
        high3 << point.high3;
    }
    plot->graph(band3Low)->setData(rows, low3, true);
    plot->graph(band3High)->setData(rows, high3, true);
    plot->graph(band2Low)->setData(rows, low2, true);
    plot->graph(band2High)->setData(rows, high2, true);
    plot->graph(expectedLine)->setData(rows, expected, true);
    QVector<double> pathRows, payout;
    for (const chart::PathPoint& point : figure.path) {
        pathRows << point.rows;
        payout << point.payout;
    }
    plot->graph(observedPath)->setData(pathRows, payout, true);
    plot->xAxis->setRange(figure.firstRows, figure.lastRows);
    if (!figure.funnel.empty()) {
        plot->yAxis->setRange(figure.low, figure.high);
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
    return table;
}

Table ChartWindow::drawHits() {
    Table table = hitsTable(record_, play_.level, wording_);
    fill(tables_[hitsTab], table);
    QCustomPlot* plot = plots_[hitsTab];
    auto* exact = qobject_cast<QCPBars*>(plot->plottable(0));
    exact->data()->clear();
    plot->graph(observedShares)->data()->clear();
    plot->graph(strayingShares)->data()->clear();
    if (isLevel(play_.level)) {
        plot->xAxis->setRange(-0.6, play_.level + 0.6);
    }
    for (const chart::HitFigure& bar : chart::hitsFigure(record_, play_.level)) {
        exact->addData(bar.hits, bar.exact);
        if (bar.observed) {
            plot->graph(bar.strays ? strayingShares : observedShares)
                ->addData(bar.hits, *bar.observed);
        }
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
    return table;
}

Table ChartWindow::drawPlayers(const odds::SessionLaws* laws) {
    Table table = playersTable(record_, play_.level, laws, wording_);
    fill(tables_[playersTab], table);
    QCustomPlot* plot = plots_[playersTab];
    auto* observed = qobject_cast<QCPBars*>(plot->plottable(0));
    auto* exact = qobject_cast<QCPBars*>(plot->plottable(1));
    observed->data()->clear();
    exact->data()->clear();
    const auto which = static_cast<std::size_t>(std::max(0, sessionLength_->currentIndex()));
    const chart::PlayersFigure figure =
        chart::playersFigure(record_.sessions(which), laws ? &(*laws)[which] : nullptr);
    for (const chart::HistogramBar& bar : figure.bars) {
        if (figure.observed) {
            observed->addData(bar.net, bar.observed);
        }
        if (laws) {
            exact->addData(bar.net, bar.exact);
        }
    }
    const double width = figure.width;
    observed->setWidth(0.4 * width);
    exact->setWidth(0.4 * width);
    plot->rescaleAxes(true);
    plot->xAxis->setRange(-sessionLengths[which] - width, 2.0 * width);
    plot->yAxis->setRangeLower(0);
    if (auto* label = qobject_cast<QCPItemText*>(plot->item(0))) {
        // Over the bar of the players ahead, but moved left as far as a translation needs to end
        // inside the chart, and above every bar under it.
        const QCPRange x = plot->xAxis->range();
        const double perPixel = x.size() / std::max(1, plot->axisRect()->width());
        const double half =
            (QFontMetrics(label->font()).horizontalAdvance(label->text()) / 2.0 + 4) * perPixel;
        const double centre = std::min<double>(width, x.upper - half);
        double top = figure.aheadTop;
        for (const chart::HistogramBar& bar : figure.bars) {
            if (std::abs(bar.net - centre) <= half + 0.2 * width) {
                top = std::max({top, bar.observed, bar.exact});
            }
        }
        plot->yAxis->setRangeUpper(std::max(plot->yAxis->range().upper, top * 1.12));
        label->position->setCoords(centre, top + plot->yAxis->range().upper * 0.02);
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
    return table;
}

void ChartWindow::drawCrowd(const odds::SessionLaws* laws) {
    const ChartColours& c = coloursFor(palette());
    QVector<double> rows, expected;
    std::array<QVector<double>, odds::crowdPercents.size()> nets;
    for (const chart::FanPoint& point : chart::crowdFigure(play_.level, laws)) {
        rows << point.rows;
        for (std::size_t i = 0; i < nets.size(); ++i) {
            nets[i] << static_cast<double>(point.net[i]);
        }
        expected << point.expected;
    }
    const std::pair<CrowdGraph, std::size_t> lines[] = {
        {low5, 0}, {low25, 1}, {crowdMedian, 2}, {high75, 3}, {high95, 4}};
    for (const auto& [graph, share] : lines) {
        crowdPlot_->graph(graph)->setData(rows, nets[share], true);
    }
    crowdPlot_->graph(crowdExpected)->setData(rows, expected, true);

    const chart::ObservedCrowd seen = chart::observedCrowdFigure(record_.crowd());
    QVector<double> seenRows;
    std::array<QVector<double>, odds::crowdPercents.size()> seenNets;
    for (const chart::FanPoint& point : seen.fan) {
        seenRows << point.rows;
        for (std::size_t i = 0; i < seenNets.size(); ++i) {
            seenNets[i] << point.net[i];
        }
    }
    for (std::size_t i = 0; i < seenNets.size(); ++i) {
        crowdPlot_->graph(firstObservedShare + static_cast<int>(i))
            ->setData(seenRows, seenNets[i], true);
    }
    QVector<double> gridRows(odds::crowdGrid.begin(), odds::crowdGrid.end());
    for (std::size_t p = 0; p < CrowdTally::pathsKept; ++p) {
        QCPGraph* graph = crowdPlot_->graph(firstPath + static_cast<int>(p));
        if (p >= seen.paths.size()) {
            graph->data()->clear();
            continue;
        }
        const QVector<double> net(seen.paths[p].begin(), seen.paths[p].end());
        graph->setData(gridRows, net, true);
        const bool marked = p == seen.luckiest || p == seen.unluckiest;
        graph->setPen(marked ? QPen(p == seen.luckiest ? c.lucky : c.stray, 2) : QPen(c.path, 0.8));
    }
    crowdPlot_->xAxis->setRange(1, odds::crowdGrid.back());
    // The unluckiest paths may fall far below the fan: the chart keeps to the shares at the last
    // row, exact and observed.
    double low = nets.front().isEmpty() ? 0 : nets.front().back();
    double high = nets.back().isEmpty() ? 0 : nets.back().back();
    if (!seenNets.front().isEmpty()) {
        low = std::min(low, seenNets.front().back());
        high = std::max(high, seenNets.back().back());
    }
    if (low < high) {
        const double span = std::max(high, 0.0) - low;
        crowdPlot_->yAxis->setRange(low - 0.05 * span, std::max(high, 0.0) + 0.15 * span);
    }
    crowdPlot_->replot(QCustomPlot::rpQueuedReplot);
}

// The exact law is worked out for the level and the budget shown, one at a time: a new budget
// cancels the work on the one before.
std::vector<Table> ChartWindow::drawBudget() {
    const auto answer = budgetLaw();
    if (!answer.laws && !answer.unavailable) {
        lawsPending_.start();
    }
    const odds::BudgetLaw* law = answer.laws;
    std::vector<Table> tables = {budgetTable(record_, law, wording_),
                                 budgetSummaryTable(record_, law, wording_)};
    fill(tables_[budgetTab], tables[0]);
    fill(budgetSummary_, tables[1]);
    const BudgetTally& players = record_.budget();
    budgetFrom_->setText(qtext(budgetFromText(record_, wording_)));
    QVector<double> rows, exact, seenRows, seen;
    for (std::size_t i = 0; i < odds::crowdGrid.size(); ++i) {
        const int n = odds::crowdGrid[i];
        if (law && law->complete) {
            rows << n;
            exact << 100 * law->brokeWithin[i];
        }
        if (const auto share = players.goneWithin(n)) {
            seenRows << n;
            seen << 100 * *share;
        }
    }
    QCustomPlot* plot = plots_[budgetTab];
    plot->graph(0)->setData(rows, exact, true);
    plot->graph(1)->setData(seenRows, seen, true);
    plot->xAxis->setRange(1, odds::crowdGrid.back());
    plot->replot(QCustomPlot::rpQueuedReplot);
    return tables;
}

// Exact and the same for every run: the levels' laws are asked for one after another, each shown
// as it comes.
Table ChartWindow::drawLevels() {
    keptLevels_->setText(qtext(keptText(record_, play_.level, wording_)));
    std::vector<const odds::SessionLaws*> laws;
    for (const int level : allLevels) {
        const odds::SessionLawCache::Answer answer = laws_.laws(level);
        if (!answer.laws && !answer.unavailable) {
            lawsPending_.start();
        }
        laws.push_back(answer.laws);
    }
    Table table = levelsTable(allLevels, laws, wording_);
    fill(tables_[levelsTab], table);
    QTableWidget* shown = tables_[levelsTab];
    for (int r = 0; r < shown->rowCount(); ++r) {
        const bool chosen = allLevels[static_cast<std::size_t>(r)] == play_.level;
        for (int c = 0; c < shown->columnCount(); ++c) {
            // Only a change: each one repaints the table, and it is drawn five times a second.
            QFont font = shown->item(r, c)->font();
            if (font.bold() != chosen) {
                font.setBold(chosen);
                shown->item(r, c)->setFont(font);
            }
        }
    }
    QCustomPlot* plot = plots_[levelsTab];
    auto* others = qobject_cast<QCPBars*>(plot->plottable(0));
    auto* chosen = qobject_cast<QCPBars*>(plot->plottable(1));
    others->data()->clear();
    chosen->data()->clear();
    const auto column = static_cast<std::size_t>(std::max(0, levelsColumn_->currentIndex()) + 1);
    const std::vector<chart::LevelBar> bars = chart::levelsFigure(allLevels, laws, column);
    double low = 0;
    double high = 0;
    for (const chart::LevelBar& bar : bars) {
        (bar.level == play_.level ? chosen : others)->addData(bar.level, bar.value);
        low = std::min(low == 0 ? bar.value : low, bar.value);
        high = std::max(high, bar.value);
    }
    // Figures that run over powers of ten from level to level, the rows and the top prize's
    // rarity, are drawn on a logarithmic scale; the rest from 0.
    const bool logarithmic = low > 0 && high / low >= 1000;
    plot->yAxis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    plot->yAxis->setNumberFormat(logarithmic ? "eb" : "gb");
    plot->yAxis->setNumberPrecision(logarithmic ? 0 : 6);
    if (logarithmic) {
        plot->yAxis->setTicker(logTicker());
        others->setBaseValue(low / 2);
        chosen->setBaseValue(low / 2);
        plot->yAxis->setRange(low / 2, high * 2);
    } else {
        plot->yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        others->setBaseValue(0);
        chosen->setBaseValue(0);
        plot->yAxis->setRange(std::min(0.0, low) * 1.05, high > 0 ? high * 1.05 : 1);
    }
    plot->yAxis->setLabel(levelsColumn_->currentText());
    plot->replot(QCustomPlot::rpQueuedReplot);
    return table;
}

void ChartWindow::fill(QTableWidget* table, const Table& content) {
    const auto columns = static_cast<int>(content.headers.size());
    if (table->columnCount() != columns) {
        table->setColumnCount(columns);
        QStringList headers;
        for (const std::string& header : content.headers) {
            headers << qtext(header);
        }
        table->setHorizontalHeaderLabels(headers);
    }
    // The columns are fitted to their texts only when a text's length changes: fitting measures
    // every cell.
    bool refit = table->rowCount() != static_cast<int>(content.rows.size());
    table->setRowCount(static_cast<int>(content.rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text =
                qtext(content.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            QTableWidgetItem* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(r, c, item);
            }
            if (item->text() != text) {
                refit = refit || item->text().size() != text.size();
                item->setText(text);
            }
        }
    }
    if (refit) {
        table->resizeColumnsToContents();
    }
}

// The visible tab's table, a line a row with the columns apart by tabs, as a spreadsheet takes
// it.
void ChartWindow::copyTable() {
    const QTableWidget* table = tables_[static_cast<std::size_t>(tabs_->currentIndex())];
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c) {
        cells << table->horizontalHeaderItem(c)->text();
    }
    lines << cells.join('\t');
    for (int r = 0; r < table->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < table->columnCount(); ++c) {
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        }
        lines << cells.join('\t');
    }
    QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

void ChartWindow::saveImage() {
    askForFile(this, FileUse::save, text(texts::saveImage), QStringLiteral("zarno-kaavio.png"),
               text(texts::imageFiles), [this](const QString& file) { saveImageTo(file); });
}

// A failure, told with the system's reason on a line of its own.
void ChartWindow::tell(std::string_view what, const QString& reason) {
    openMessage(this, text(what) + '\n' + reason);
}

// Encoded in memory first, so that only a whole image ever replaces a file.
void ChartWindow::saveImageTo(const QString& file) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!plots_[static_cast<std::size_t>(tabs_->currentIndex())]->toPixmap().save(&buffer, "PNG")) {
        reason = buffer.errorString();
    } else {
        reason = writeWholeFile(withSuffix(file, QStringLiteral("png")), png);
    }
    if (!reason.isEmpty()) {
        tell(texts::imageNotSaved, reason);
    }
}

void ChartWindow::saveRun() {
    askForFile(this, FileUse::save, text(texts::saveRun), QStringLiteral("zarno-ajo.json"),
               text(texts::runFiles), [this](const QString& file) { saveRunTo(file); });
}

// The budget's exact figures go in when they are at hand: for a large budget they take seconds.
void ChartWindow::saveRunTo(const QString& file) {
    const std::string document = runDocument(play_, seed_, record_, lawsAtHand(), budgetLaw().laws);
    const QString reason =
        writeWholeFile(withSuffix(file, QStringLiteral("json")),
                       QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    if (!reason.isEmpty()) {
        tell(texts::runNotSaved, reason);
    }
}

void ChartWindow::openRun() {
    askForFile(this, FileUse::open, text(texts::openRun), QString(), text(texts::runFiles),
               [this](const QString& file) { openRunFrom(file); });
}

ChartWindow* ChartWindow::openRunFrom(const QString& file) {
    // A run is a few hundred kilobytes; a file far larger is not one.
    constexpr qint64 largestRun = 64 * 1024 * 1024;
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        tell(texts::runNotOpened, source.errorString());
        return nullptr;
    }
    const QByteArray bytes = source.read(largestRun + 1);
    const auto read = readRunDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        tell(texts::runNotOpened, whyNotOpened(*error));
        return nullptr;
    }
    const SavedRun& run = std::get<SavedRun>(read);
    auto* opened = new ChartWindow(wording_, {}, this);
    opened->setAttribute(Qt::WA_DeleteOnClose);
    opened->setWindowTitle(QFileInfo(file).fileName() + QStringLiteral(" – ") +
                           text(texts::chartTitle));
    opened->setWindowIcon(windowIcon());
    opened->tabs_->setCurrentIndex(tabs_->currentIndex());
    opened->budget_->setValue(run.record.budget().budget);
    opened->present(run.record, run.play, When::now, run.seed);
    opened->show();
    return opened;
}

QString ChartWindow::whyNotOpened(const DocumentError& error) const {
    switch (error.kind) {
        case DocumentError::Kind::notJson:
            return text(texts::notJson);
        case DocumentError::Kind::notARun:
            return text(texts::notARun);
        case DocumentError::Kind::newer:
            return qtext(filled(wording_(texts::newerRun), {std::to_string(error.version),
                                                            std::to_string(runDocumentVersion)}));
        case DocumentError::Kind::damaged:
            break;
    }
    return qtext(filled(wording_(texts::damagedRun), {error.where}));
}

void ChartWindow::saveReport() {
    askForFile(this, FileUse::save, text(texts::saveReport), QStringLiteral("zarno-raportti.pdf"),
               text(texts::reportFiles), [this](const QString& file) { saveReportTo(file); });
}

void ChartWindow::saveReportTo(const QString& file) {
    whenReportLawsAtHand([this, file] { writeReportTo(file); });
}

// Made in memory first, so that only a whole report ever replaces a file.
void ChartWindow::writeReportTo(const QString& file) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(windowTitle());
    writer.setCreator(QStringLiteral("Zarno " ZARNO_VERSION));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QString reason;
    if (!writeReport(writer)) {
        reason = buffer.errorString();
    } else {
        buffer.close();
        reason = writeWholeFile(withSuffix(file, QStringLiteral("pdf")), pdf);
    }
    if (!reason.isEmpty()) {
        tell(texts::reportNotSaved, reason);
    }
}

// The printer lives as long as the dialog or a report waiting to be painted on it.
void ChartWindow::print() {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    auto* dialog = new QPrintDialog(printer.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, printer] { whenReportLawsAtHand([this, printer] { writeReport(*printer); }); });
    dialog->open();
}

// Whether every exact law the report's pages show is worked out, or cannot be; asking starts the
// work on the next one.
bool ChartWindow::reportLawsAtHand() {
    bool ready = true;
    for (const int level : allLevels) {
        const odds::SessionLawCache::Answer answer = laws_.laws(level);
        ready = ready && (answer.laws || answer.unavailable);
    }
    const auto answer = budgetLaw();
    return ready && (answer.laws || answer.unavailable);
}

// The window stays live while the laws are worked out, seconds for the nine levels.
void ChartWindow::whenReportLawsAtHand(std::function<void()> report) {
    reportsWaiting_.push_back(std::move(report));
    setCursor(Qt::BusyCursor);
    reportIfLawsAtHand();
}

void ChartWindow::reportIfLawsAtHand() {
    if (reportsWaiting_.empty()) {
        return;
    }
    if (!reportLawsAtHand()) {
        reportPending_.start();
        return;
    }
    unsetCursor();
    for (const auto& report : std::exchange(reportsWaiting_, {})) {
        report();
    }
}

// Every tab drawn afresh, whichever shows, and a page for each.
bool ChartWindow::writeReport(QPagedPaintDevice& device) {
    std::vector<ReportPage> pages = {
        {tabs_->tabText(payoutTab), plots_[payoutTab], {drawPayout()}},
        {tabs_->tabText(hitsTab), plots_[hitsTab], {drawHits()}},
        {tabs_->tabText(playersTab), plots_[playersTab], {drawPlayers(lawsAtHand())}},
        {tabs_->tabText(budgetTab), plots_[budgetTab], drawBudget()},
        {tabs_->tabText(levelsTab), plots_[levelsTab], {drawLevels()}}};
    const QStringList head = {
        QStringLiteral("Zarno " ZARNO_VERSION), qtext(playLine(play_, wording_)),
        qtext(rowsLine(record_.rows(), wording_)),
        qtext(
            filled(wording_(texts::dateLine),
                   {QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString()})),
        qtext(repeatabilityLine(seed_, wording_))};
    return paintReport(device, head, pages);
}

// The version, the copyright and the licence, as the GPL asks of an interactive program; Qt's
// own notice one click away.
void ChartWindow::showAbout() {
    auto* box = new QMessageBox(
        QMessageBox::NoIcon, text(texts::about),
        text(texts::aboutVersion) + QStringLiteral(ZARNO_VERSION) + "\n\n" + text(texts::aboutText),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconPixmap(windowIcon().pixmap(32));
    QPushButton* qt = box->addButton(text(texts::aboutQt), QMessageBox::ActionRole);
    connect(box, &QMessageBox::buttonClicked, this, [this, qt](QAbstractButton* clicked) {
        if (clicked == qt) {
            openAboutQt(this);
        }
    });
    box->open();
}

}  // namespace zarno

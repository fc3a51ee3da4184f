#include "ui/ChartWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include <qcustomplot.h>

#include "core/odds/Odds.h"
#include "core/text/Texts.h"
#include "platform/qt/QtRuntimeServices.h"
#include "platform/qt/QtText.h"

namespace zarno {
namespace {

// The graphs of the payout chart, in the order they are drawn.
enum PayoutGraph { band3Low, band3High, band2Low, band2High, expectedLine, observedPath };
// The graphs of the hits chart.
enum HitsGraph { observedShares, strayingShares };

// The hit chart's scale reaches down to shares of 10^-7.
constexpr double smallestShare = 1e-5;  // percent
// The players' histogram has at most this many bars for the sessions not ahead.
constexpr int histogramBars = 40;
// While rows are drawn the chart is drawn this often: live to the eye, and at a few milliseconds a
// time, at a cost of a few percent of one processor.
constexpr qint64 drawingInterval = 200;  // milliseconds

const QColor observedColour(0, 70, 160);
const QColor expectedColour(40, 40, 40);
const QColor band2Colour(110, 160, 230, 90);
const QColor band3Colour(110, 160, 230, 45);
const QColor strayColour(200, 30, 30);

QSharedPointer<QCPAxisTickerLog> logTicker() {
    return QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog);
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

}  // namespace

ChartWindow::ChartWindow(const Simulator& simulator, const Wording& wording, QWidget* parent)
    : QWidget(parent, Qt::Window), simulator_(simulator), wording_(wording) {
    setWindowTitle(text(texts::chartTitle));
    setObjectName("Kaavio");
    resize(900, 700);
    chooseImageFile = [this] {
        return QFileDialog::getSaveFileName(this, text(texts::saveImage),
                                            QStringLiteral("zarno-kaavio.png"),
                                            text(texts::imageFiles));
    };

    tabs_ = new QTabWidget(this);
    tabs_->addTab(createTab(payoutTab), text(texts::payoutTab));
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
    tabs_->addTab(createTab(playersTab, lengthRow), text(texts::playersTab));

    auto* copy = new QPushButton(text(texts::copy));
    auto* save = new QPushButton(text(texts::saveImage));
    auto* about = new QPushButton(text(texts::about));
    copy->setObjectName("Kopioi");
    save->setObjectName("TallennaKuva");
    about->setObjectName("Tietoja");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(about);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, &ChartWindow::copyTable);
    connect(save, &QPushButton::clicked, this, &ChartWindow::saveImage);
    connect(about, &QPushButton::clicked, this, &ChartWindow::showAbout);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &ChartWindow::copyTable);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { present(); });
    connect(sessionLength_, &QComboBox::currentIndexChanged, this, [this] { present(); });
    lawsPending_.setSingleShot(true);
    lawsPending_.setInterval(50);
    connect(&lawsPending_, &QTimer::timeout, this, [this] { present(); });
}

QWidget* ChartWindow::createTab(Tab tab, QWidget* above) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (above) {
        layout->addWidget(above);
    }
    QCustomPlot* plot = createPlot(page);
    plots_[tab] = plot;
    auto* table = new QTableWidget(page);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(150);
    tables_[tab] = table;
    layout->addWidget(plot, 3);
    layout->addWidget(table, 2);

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
                 {std::pair{band3Colour, texts::band3}, std::pair{band2Colour, texts::band2}}) {
                QCPGraph* lower = addGraph(plot, Qt::transparent, text(name));
                QCPGraph* upper = addGraph(plot, Qt::transparent, text(name));
                upper->setBrush(colour);
                upper->setChannelFillGraph(lower);
                lower->removeFromLegend();
            }
            QCPGraph* expected = addGraph(plot, expectedColour, text(texts::expected));
            expected->setPen(QPen(expectedColour, 1, Qt::DashLine));
            addGraph(plot, observedColour, text(texts::observed));
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
            exact->setPen(QPen(expectedColour));
            exact->setBrush(band2Colour);
            QCPGraph* shares = addGraph(plot, observedColour, text(texts::observed));
            shares->setLineStyle(QCPGraph::lsNone);
            shares->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, observedColour, 8));
            QCPGraph* strays = addGraph(plot, strayColour, text(texts::stray));
            strays->setLineStyle(QCPGraph::lsNone);
            strays->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCrossSquare, 11));
            break;
        }
        case playersTab: {
            plot->xAxis->setLabel(text(texts::netAxis));
            plot->yAxis->setLabel(text(texts::playersAxis));
            auto* group = new QCPBarsGroup(plot);
            for (const auto& [colour, name] : {std::pair{observedColour, texts::observed},
                                               std::pair{expectedColour, texts::expected}}) {
                auto* bars = new QCPBars(plot->xAxis, plot->yAxis);
                bars->setName(text(name));
                bars->setPen(QPen(colour));
                bars->setBrush(colour == observedColour ? QColor(0, 70, 160, 150) : band2Colour);
                bars->setBarsGroup(group);
            }
            auto* ahead = new QCPItemText(plot);
            ahead->setObjectName("ahead");
            ahead->setText(text(texts::ahead));
            ahead->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            break;
        }
    }
    return page;
}

QString ChartWindow::text(std::string_view finnish) const {
    return qtext(wording_(finnish));
}

int ChartWindow::level() const {
    const SeriesRecord& record = simulator_.record();
    return record.rows() > 0 ? record.level() : simulator_.chosenLevel();
}

void ChartWindow::present(When when) {
    if (when == When::due && drawn_.isValid() && drawn_.elapsed() < drawingInterval) {
        return;
    }
    drawn_.start();
    const int shownLevel = level();
    // Asked for whatever the tab, so that the laws are in hand by the time the players' tab is.
    const odds::SessionLaws* laws = isLevel(shownLevel) ? laws_.laws(shownLevel) : nullptr;
    if (isLevel(shownLevel) && !laws) {
        lawsPending_.start();
    }
    switch (tabs_->currentIndex()) {
        case payoutTab:
            presentPayout(shownLevel);
            break;
        case hitsTab:
            presentHits(shownLevel);
            break;
        case playersTab:
            presentPlayers(shownLevel, laws);
            break;
        default:
            break;
    }
}

void ChartWindow::presentPayout(int shownLevel) {
    const SeriesRecord& record = simulator_.record();
    fill(tables_[payoutTab], payoutTable(record, shownLevel, wording_));
    QCustomPlot* plot = plots_[payoutTab];
    for (int g = 0; g < plot->graphCount(); ++g) {
        plot->graph(g)->data()->clear();
    }
    const double first = 1000;
    const double shownRows = std::max(static_cast<double>(record.rows()), first);
    const double last = std::max(1e4, std::pow(10.0, std::ceil(std::log10(shownRows))));
    plot->xAxis->setRange(first, last);
    if (isLevel(shownLevel)) {
        // The bands narrow with the square root of the rows; drawn over the whole axis.
        constexpr int steps = 120;
        QVector<double> rows(steps + 1), low2(steps + 1), high2(steps + 1), low3(steps + 1),
            high3(steps + 1), expected(steps + 1);
        for (int i = 0; i <= steps; ++i) {
            const double at = first * std::pow(last / first, static_cast<double>(i) / steps);
            const auto n = static_cast<std::int64_t>(at);
            const odds::Band two = odds::payoutBand(shownLevel, n, 2);
            const odds::Band three = odds::payoutBand(shownLevel, n, 3);
            rows[i] = at;
            low2[i] = two.low;
            high2[i] = two.high;
            low3[i] = three.low;
            high3[i] = three.high;
            expected[i] = 100 * odds::expectedPrize(shownLevel);
        }
        plot->graph(band3Low)->setData(rows, low3, true);
        plot->graph(band3High)->setData(rows, high3, true);
        plot->graph(band2Low)->setData(rows, low2, true);
        plot->graph(band2High)->setData(rows, high2, true);
        plot->graph(expectedLine)->setData(rows, expected, true);
        QVector<double> pathRows;
        QVector<double> payout;
        const auto add = [&](std::int64_t n, std::int64_t won) {
            pathRows << static_cast<double>(n);
            payout << 100.0 * static_cast<double>(won) / static_cast<double>(n);
        };
        for (const PayoutPoint& point : record.path()) {
            add(point.rows, point.winnings);
        }
        if (record.rows() >= 1000 &&
            (pathRows.isEmpty() || pathRows.back() < static_cast<double>(record.rows()))) {
            add(record.rows(), record.winnings());
        }
        plot->graph(observedPath)->setData(pathRows, payout, true);
        // From the widest band at the left edge, but with room for where the payout stands.
        const double centre = expected[0];
        double low = std::max(0.0, low3[0]);
        double high = std::min(high3[0], 2 * centre);
        if (!payout.isEmpty() && payout.back() >= 0 && payout.back() <= 4 * centre) {
            low = std::min(low, payout.back());
            high = std::max(high, payout.back());
        }
        plot->yAxis->setRange(low - 1, high + 1);
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void ChartWindow::presentHits(int shownLevel) {
    const SeriesRecord& record = simulator_.record();
    fill(tables_[hitsTab], hitsTable(record, shownLevel, wording_));
    QCustomPlot* plot = plots_[hitsTab];
    auto* exact = qobject_cast<QCPBars*>(plot->plottable(0));
    exact->data()->clear();
    plot->graph(observedShares)->data()->clear();
    plot->graph(strayingShares)->data()->clear();
    if (isLevel(shownLevel)) {
        plot->xAxis->setRange(-0.6, shownLevel + 0.6);
        const auto rows = static_cast<double>(record.rows());
        for (int k = 0; k <= shownLevel; ++k) {
            exact->addData(k, 100 * odds::hitChance(shownLevel, k));
            const std::int64_t count = record.hits()[static_cast<std::size_t>(k)];
            if (count <= 0) {
                continue;  // nothing to show on a logarithmic scale
            }
            const double deviation = odds::hitDeviation(shownLevel, k, count, record.rows());
            plot->graph(std::fabs(deviation) > 2 ? strayingShares : observedShares)
                ->addData(k, 100 * static_cast<double>(count) / rows);
        }
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void ChartWindow::presentPlayers(int shownLevel, const odds::SessionLaws* laws) {
    const SeriesRecord& record = simulator_.record();
    fill(tables_[playersTab], playersTable(record, shownLevel, laws, wording_));
    QCustomPlot* plot = plots_[playersTab];
    auto* observed = qobject_cast<QCPBars*>(plot->plottable(0));
    auto* exact = qobject_cast<QCPBars*>(plot->plottable(1));
    observed->data()->clear();
    exact->data()->clear();
    const auto which = static_cast<std::size_t>(std::max(0, sessionLength_->currentIndex()));
    const SessionTally& tally = record.sessions(which);
    const int length = sessionLengths[which];
    // Winnings 0 .. length, that is net results -length .. 0, in bars of equal width; the
    // sessions ahead in one more bar right of 0.
    const int width = (length + histogramBars) / histogramBars;
    const int bars = (length + width) / width;
    const double players = static_cast<double>(std::max<std::int64_t>(tally.completed, 1));
    double aheadTop = 0;
    for (int bar = 0; bar <= bars; ++bar) {
        const bool ahead = bar == bars;
        double seen = 0;
        double chance = 0;
        for (int won = bar * width; !ahead && won < std::min((bar + 1) * width, length + 1);
             ++won) {
            seen += static_cast<double>(tally.byWinnings[static_cast<std::size_t>(won)]);
            chance += laws ? (*laws)[which].byWinnings[static_cast<std::size_t>(won)] : 0;
        }
        if (ahead) {
            seen = static_cast<double>(tally.ahead);
            chance = laws ? (*laws)[which].ahead : 0;
            aheadTop = std::max(100 * seen / players, 100 * chance);
        }
        const double net = ahead ? width : bar * width - length + (width - 1) / 2.0;
        if (tally.completed > 0) {
            observed->addData(net, 100 * seen / players);
        }
        if (laws) {
            exact->addData(net, 100 * chance);
        }
    }
    observed->setWidth(0.4 * width);
    exact->setWidth(0.4 * width);
    plot->rescaleAxes(true);
    plot->xAxis->setRange(-length - width, 2.0 * width);
    plot->yAxis->setRangeLower(0);
    if (auto* label = qobject_cast<QCPItemText*>(plot->item(0))) {
        label->position->setCoords(width, aheadTop + plot->yAxis->range().upper * 0.02);
    }
    plot->replot(QCustomPlot::rpQueuedReplot);
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
    const QString file = chooseImageFile();
    if (file.isEmpty()) {
        return;
    }
    if (!plots_[static_cast<std::size_t>(tabs_->currentIndex())]->savePng(file)) {
        showMessageBox(this, wording_(texts::imageNotSaved));
    }
}

// The version, the copyright and the licence, as the GPL asks of an interactive program; Qt's
// own notice one click away.
void ChartWindow::showAbout() {
    QMessageBox box(
        QMessageBox::NoIcon, text(texts::about),
        text(texts::aboutVersion) + QStringLiteral(ZARNO_VERSION) + "\n\n" + text(texts::aboutText),
        QMessageBox::Ok, this);
    box.setIconPixmap(windowIcon().pixmap(32));
    QPushButton* qt = box.addButton(text(texts::aboutQt), QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == qt) {
        QMessageBox::aboutQt(this);
    }
}

}  // namespace zarno

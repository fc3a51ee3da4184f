#include "ui/chart/HitsTab.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include "core/chart/ChartFigures.h"
#include "core/text/Texts.h"
#include "ui/chart/ChartStyle.h"

namespace zarno {
namespace {

enum Graph { observedShares, strayingShares };
// The scale reaches down to shares of 10^-7.
constexpr double smallestShare = 1e-5;  // percent

}  // namespace

HitsTab::HitsTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : ChartTab(wording, laws, parent),
      jackpotsHeading_(new QLabel(text(texts::jackpotsHeading))),
      jackpots_(style::createTable(this)) {
    QVBoxLayout* layout = chartOverTable();
    jackpotsHeading_->setBuddy(jackpots_);
    jackpots_->setObjectName("jackpots");
    jackpots_->setAccessibleName(jackpotsHeading_->text());
    layout->addWidget(jackpotsHeading_);
    layout->addWidget(jackpots_, 1);
    jackpotsHeading_->hide();
    jackpots_->hide();

    const style::ChartColours& c = style::coloursFor(palette());
    plot()->xAxis->setLabel(text(texts::hitsAxis));
    auto ticker = QSharedPointer<QCPAxisTickerFixed>(new QCPAxisTickerFixed);
    ticker->setTickStep(1);
    plot()->xAxis->setTicker(ticker);
    plot()->yAxis->setScaleType(QCPAxis::stLogarithmic);
    plot()->yAxis->setTicker(style::logTicker());
    plot()->yAxis->setNumberFormat("eb");
    plot()->yAxis->setNumberPrecision(0);
    plot()->yAxis->setLabel(text(texts::shareAxis));
    plot()->yAxis->setRange(smallestShare, 100);
    auto* exact = new QCPBars(plot()->xAxis, plot()->yAxis);
    exact->setName(text(texts::expected));
    exact->setWidth(0.6);
    exact->setBaseValue(smallestShare / 10);  // a logarithmic axis has no 0
    exact->setPen(QPen(c.expected));
    exact->setBrush(c.band2);
    QCPGraph* shares = style::addGraph(plot(), c.observed, text(texts::observed));
    shares->setLineStyle(QCPGraph::lsNone);
    shares->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, c.observed, 8));
    QCPGraph* strays = style::addGraph(plot(), c.stray, text(texts::stray));
    strays->setLineStyle(QCPGraph::lsNone);
    strays->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCrossSquare, 11));
    style::followPalette(plot(), palette());
}

QString HitsTab::title() const {
    return text(texts::hitsTab);
}

std::vector<Table> HitsTab::draw(const ChartView& view) {
    const int level = view.play.level;
    Table shown = textOf(tables::hitsData(view.record, level), wording());
    style::fillTable(table(), shown);
    const bool jackpotsShown = level == maxLevel;
    jackpotsHeading_->setVisible(jackpotsShown);
    jackpots_->setVisible(jackpotsShown);
    std::vector<Table> drawn = {shown};
    if (jackpotsShown) {
        drawn.push_back(textOf(tables::jackpotsData(view.record), wording()));
        style::fillTable(jackpots_, drawn.back());
        jackpots_->scrollToBottom();
    }
    auto* exact = qobject_cast<QCPBars*>(plot()->plottable(0));
    exact->data()->clear();
    plot()->graph(observedShares)->data()->clear();
    plot()->graph(strayingShares)->data()->clear();
    if (isLevel(level)) {
        plot()->xAxis->setRange(-0.6, level + 0.6);
    }
    for (const chart::HitFigure& bar : chart::hitsFigure(view.record, level)) {
        exact->addData(bar.hits, bar.exact);
        if (bar.observed) {
            plot()
                ->graph(bar.strays ? strayingShares : observedShares)
                ->addData(bar.hits, *bar.observed);
        }
    }
    plot()->replot(QCustomPlot::rpQueuedReplot);
    return drawn;
}

std::vector<QTableWidget*> HitsTab::copied() const {
    if (jackpots_->isHidden()) {
        return {table()};
    }
    return {table(), jackpots_};
}

}  // namespace zarno

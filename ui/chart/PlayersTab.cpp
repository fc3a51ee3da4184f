#include "ui/chart/PlayersTab.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include <qcustomplot.h>

#include "core/chart/ChartFigures.h"
#include "core/text/Texts.h"
#include "ui/chart/ChartLaws.h"
#include "ui/chart/ChartStyle.h"

namespace zarno {
namespace {

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

}  // namespace

PlayersTab::PlayersTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : ChartTab(wording, laws, parent),
      sessionLength_(new QComboBox),
      lawsNotice_(new QLabel(text(texts::lawsUnavailable))),
      crowd_(style::createPlot(this)) {
    auto* lengthRow = new QWidget;
    auto* lengthLayout = new QHBoxLayout(lengthRow);
    lengthLayout->setContentsMargins(0, 0, 0, 0);
    for (const int length : sessionLengths) {
        sessionLength_->addItem(QString::number(length));
    }
    sessionLength_->setCurrentIndex(2);
    auto* lengthLabel = new QLabel(text(texts::playerRows));
    lengthLabel->setBuddy(sessionLength_);
    lengthLayout->addWidget(lengthLabel);
    lengthLayout->addWidget(sessionLength_);
    lengthLayout->addStretch();
    lawsNotice_->setObjectName("lawsNotice");
    lawsNotice_->hide();
    lengthLayout->addWidget(lawsNotice_);
    QVBoxLayout* layout = page(lengthRow);
    auto* charts = new QHBoxLayout;
    charts->addWidget(plot());
    charts->addWidget(crowd_);
    layout->addLayout(charts, 3);
    layout->addWidget(table(), 2);

    const style::ChartColours& c = style::coloursFor(palette());
    plot()->xAxis->setLabel(text(texts::netAxis));
    plot()->yAxis->setLabel(text(texts::playersAxis));
    auto* group = new QCPBarsGroup(plot());
    for (const auto& [colour, name] :
         {std::pair{c.observed, texts::observed}, std::pair{c.expected, texts::expected}}) {
        auto* bars = new QCPBars(plot()->xAxis, plot()->yAxis);
        bars->setName(text(name));
        bars->setPen(QPen(colour));
        bars->setBrush(colour == c.observed ? c.observedFill : c.band2);
        bars->setBarsGroup(group);
    }
    auto* ahead = new QCPItemText(plot());
    ahead->setObjectName("ahead");
    ahead->setText(text(texts::ahead));
    ahead->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);

    crowd_->xAxis->setScaleType(QCPAxis::stLogarithmic);
    crowd_->xAxis->setTicker(style::logTicker());
    crowd_->xAxis->setNumberFormat("gb");
    crowd_->xAxis->setLabel(text(texts::playerRowsAxis));
    crowd_->yAxis->setLabel(text(texts::netAxis));
    crowd_->axisRect()->insetLayout()->setInsetAlignment(
        0, Qt::AlignBottom | Qt::AlignLeft);  // below the fan, which opens downwards
    style::addBand(crowd_, c.band3, text(texts::crowd90));
    style::addBand(crowd_, c.band2, text(texts::crowd50));
    style::addGraph(crowd_, c.observed, text(texts::crowdMedian));
    QCPGraph* expectedNet = style::addGraph(crowd_, c.expected, text(texts::expected));
    expectedNet->setPen(QPen(c.expected, 1, Qt::DashLine));
    for (std::size_t s = 0; s < odds::crowdPercents.size(); ++s) {
        QCPGraph* seen = style::addGraph(crowd_, c.observed, text(texts::observed));
        seen->setPen(QPen(c.observed, 1.5, Qt::DotLine));
        if (s > 0) {
            seen->removeFromLegend();
        }
    }
    for (std::size_t p = 0; p < CrowdTally::pathsKept; ++p) {
        QCPGraph* path = style::addGraph(crowd_, c.path, text(texts::crowdPaths));
        path->setPen(QPen(c.path, 0.8));
        if (p > 0) {
            path->removeFromLegend();
        }
    }
    style::followPalette(plot(), palette());
    style::followPalette(crowd_, palette());
}

QString PlayersTab::title() const {
    return text(texts::playersTab);
}

// The crowd's chart holds many lines and changes as players complete, a few times a second at
// most: it is drawn less often, so that the rows go on at the engine's pace.
std::chrono::milliseconds PlayersTab::interval() const {
    return std::chrono::milliseconds(1000);
}

bool PlayersTab::lawsSettled(const ChartView& view) {
    return laws().sessions(view.play.level).settled();
}

std::vector<Table> PlayersTab::draw(const ChartView& view) {
    const auto answer = laws().sessions(view.play.level);
    lawsNotice_->setVisible(answer.unavailable);  // the next drawing asks again
    const odds::SessionLaws* exact =
        view.report ? laws().sessionsNow(view.play.level) : answer.laws;
    Table shown = textOf(tables::playersData(view.record, view.play.level, exact), wording());
    style::fillTable(table(), shown);
    drawHistogram(view, exact);
    drawCrowd(view, exact);
    return {shown};
}

void PlayersTab::drawHistogram(const ChartView& view, const odds::SessionLaws* laws) {
    auto* observed = qobject_cast<QCPBars*>(plot()->plottable(0));
    auto* exact = qobject_cast<QCPBars*>(plot()->plottable(1));
    observed->data()->clear();
    exact->data()->clear();
    const auto which = static_cast<std::size_t>(std::max(0, sessionLength_->currentIndex()));
    const chart::PlayersFigure figure =
        chart::playersFigure(view.record.sessions(which), laws ? &(*laws)[which] : nullptr);
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
    plot()->rescaleAxes(true);
    plot()->xAxis->setRange(-sessionLengths[which] - width, 2.0 * width);
    plot()->yAxis->setRangeLower(0);
    if (auto* label = qobject_cast<QCPItemText*>(plot()->item(0))) {
        // Over the bar of the players ahead, but moved left as far as a translation needs to end
        // inside the chart, and above every bar under it.
        const QCPRange x = plot()->xAxis->range();
        const double perPixel = x.size() / std::max(1, plot()->axisRect()->width());
        const double half =
            (QFontMetrics(label->font()).horizontalAdvance(label->text()) / 2.0 + 4) * perPixel;
        const double centre = std::min<double>(width, x.upper - half);
        double top = figure.aheadTop;
        for (const chart::HistogramBar& bar : figure.bars) {
            if (std::abs(bar.net - centre) <= half + 0.2 * width) {
                top = std::max({top, bar.observed, bar.exact});
            }
        }
        plot()->yAxis->setRangeUpper(std::max(plot()->yAxis->range().upper, top * 1.12));
        label->position->setCoords(centre, top + plot()->yAxis->range().upper * 0.02);
    }
    plot()->replot(QCustomPlot::rpQueuedReplot);
}

void PlayersTab::drawCrowd(const ChartView& view, const odds::SessionLaws* laws) {
    const style::ChartColours& c = style::coloursFor(palette());
    QVector<double> rows, expected;
    std::array<QVector<double>, odds::crowdPercents.size()> nets;
    for (const chart::FanPoint& point : chart::crowdFigure(view.play.level, laws)) {
        rows << point.rows;
        for (std::size_t i = 0; i < nets.size(); ++i) {
            nets[i] << static_cast<double>(point.net[i]);
        }
        expected << point.expected;
    }
    const std::pair<CrowdGraph, std::size_t> lines[] = {
        {low5, 0}, {low25, 1}, {crowdMedian, 2}, {high75, 3}, {high95, 4}};
    for (const auto& [graph, share] : lines) {
        crowd_->graph(graph)->setData(rows, nets[share], true);
    }
    crowd_->graph(crowdExpected)->setData(rows, expected, true);

    const chart::ObservedCrowd seen = chart::observedCrowdFigure(view.record.crowd());
    QVector<double> seenRows;
    std::array<QVector<double>, odds::crowdPercents.size()> seenNets;
    for (const chart::FanPoint& point : seen.fan) {
        seenRows << point.rows;
        for (std::size_t i = 0; i < seenNets.size(); ++i) {
            seenNets[i] << point.net[i];
        }
    }
    for (std::size_t i = 0; i < seenNets.size(); ++i) {
        crowd_->graph(firstObservedShare + static_cast<int>(i))
            ->setData(seenRows, seenNets[i], true);
    }
    QVector<double> gridRows(odds::crowdGrid.begin(), odds::crowdGrid.end());
    for (std::size_t p = 0; p < CrowdTally::pathsKept; ++p) {
        QCPGraph* graph = crowd_->graph(firstPath + static_cast<int>(p));
        if (p >= seen.paths.size()) {
            graph->data()->clear();
            continue;
        }
        const QVector<double> net(seen.paths[p].begin(), seen.paths[p].end());
        graph->setData(gridRows, net, true);
        const bool marked = p == seen.luckiest || p == seen.unluckiest;
        graph->setPen(marked ? QPen(p == seen.luckiest ? c.lucky : c.stray, 2) : QPen(c.path, 0.8));
    }
    crowd_->xAxis->setRange(1, odds::crowdGrid.back());
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
        crowd_->yAxis->setRange(low - 0.05 * span, std::max(high, 0.0) + 0.15 * span);
    }
    crowd_->replot(QCustomPlot::rpQueuedReplot);
}

}  // namespace zarno

#include "ui/chart/PayoutTab.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include "core/chart/ChartFigures.h"
#include "core/text/Texts.h"
#include "platform/qt/QtText.h"
#include "ui/chart/ChartStyle.h"
#include "ui/chart/LiveCaption.h"

namespace zarno {
namespace {

// The graphs, in the order they are drawn.
enum Graph { band3Low, band3High, band2Low, band2High, expectedLine, observedPath };

}  // namespace

PayoutTab::PayoutTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : ChartTab(wording, laws, parent), kept_(new QLabel) {
    kept_->setObjectName("keptPayout");
    chartOverTable(new LiveCaption(kept_));

    const style::ChartColours& c = style::coloursFor(palette());
    plot()->xAxis->setScaleType(QCPAxis::stLogarithmic);
    plot()->xAxis->setTicker(style::logTicker());
    plot()->xAxis->setNumberFormat("eb");
    plot()->xAxis->setNumberPrecision(0);
    plot()->xAxis->setLabel(text(texts::rowsAxis));
    plot()->yAxis->setLabel(text(texts::payoutAxis));
    // The 3σ band first, then the 2σ band over it.
    style::addBand(plot(), c.band3, text(texts::band3));
    style::addBand(plot(), c.band2, text(texts::band2));
    QCPGraph* expected = style::addGraph(plot(), c.expected, text(texts::expected));
    expected->setPen(QPen(c.expected, 1, Qt::DashLine));
    style::addGraph(plot(), c.observed, text(texts::observed));
    style::followPalette(plot(), palette());
}

QString PayoutTab::title() const {
    return text(texts::payoutTab);
}

std::vector<Table> PayoutTab::draw(const ChartView& view) {
    const int level = view.play.level;
    kept_->setText(qtext(keptText(view.record, level, wording())));
    Table shown = textOf(tables::payoutData(view.record, level), wording());
    style::fillTable(table(), shown);
    const chart::PayoutFigure figure = chart::payoutFigure(view.record, level);
    QVector<double> rows, low2, high2, low3, high3, expected;
    for (const chart::FunnelPoint& point : figure.funnel) {
        rows << point.rows;
        low3 << point.low3;
        low2 << point.low2;
        expected << point.expected;
        high2 << point.high2;
        high3 << point.high3;
    }
    plot()->graph(band3Low)->setData(rows, low3, true);
    plot()->graph(band3High)->setData(rows, high3, true);
    plot()->graph(band2Low)->setData(rows, low2, true);
    plot()->graph(band2High)->setData(rows, high2, true);
    plot()->graph(expectedLine)->setData(rows, expected, true);
    QVector<double> pathRows, payout;
    for (const chart::PathPoint& point : figure.path) {
        pathRows << point.rows;
        payout << point.payout;
    }
    plot()->graph(observedPath)->setData(pathRows, payout, true);
    plot()->xAxis->setRange(figure.firstRows, figure.lastRows);
    if (!figure.funnel.empty()) {
        plot()->yAxis->setRange(figure.low, figure.high);
    }
    plot()->replot(QCustomPlot::rpQueuedReplot);
    return {shown};
}

}  // namespace zarno

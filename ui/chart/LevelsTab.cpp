#include "ui/chart/LevelsTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include <qcustomplot.h>

#include "core/chart/ChartFigures.h"
#include "core/text/Texts.h"
#include "platform/qt/QtText.h"
#include "ui/chart/ChartLaws.h"
#include "ui/chart/ChartStyle.h"
#include "ui/chart/LiveCaption.h"

namespace zarno {

LevelsTab::LevelsTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : ChartTab(wording, laws, parent), kept_(new QLabel), column_(new QComboBox) {
    auto* columnRow = new QWidget;
    auto* columnLayout = new QHBoxLayout(columnRow);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    kept_->setObjectName("keptLevels");
    column_->setObjectName("levelsColumn");
    const auto& columns = tables::levelsTable.columns;
    for (std::size_t c = 1; c < columns.size(); ++c) {  // every figure but the level
        column_->addItem(text(columns[c].header));
    }
    auto* columnLabel = new QLabel(text(texts::levelsColumn));
    columnLabel->setBuddy(column_);
    columnLayout->addWidget(new LiveCaption(kept_), 1);
    columnLayout->addWidget(columnLabel);
    columnLayout->addWidget(column_);
    chartOverTable(columnRow);

    const style::ChartColours& c = style::coloursFor(palette());
    plot()->xAxis->setLabel(text(columns[tables::at(tables::levelsTable, "level")].header));
    auto ticker = QSharedPointer<QCPAxisTickerFixed>(new QCPAxisTickerFixed);
    ticker->setTickStep(1);
    plot()->xAxis->setTicker(ticker);
    plot()->xAxis->setRange(minLevel - 0.6, maxLevel + 0.6);
    plot()->legend->setVisible(false);
    // The chosen level's bar stands out from the others.
    for (const QColor& colour : {c.band2, c.observed}) {
        auto* bars = new QCPBars(plot()->xAxis, plot()->yAxis);
        bars->setWidth(0.6);
        bars->setPen(QPen(colour == c.observed ? c.observed : c.expected));
        bars->setBrush(colour);
    }
    style::followPalette(plot(), palette());
}

QString LevelsTab::title() const {
    return text(texts::levelsTab);
}

// The levels' laws are worked out one after another, each shown as it comes.
std::vector<const odds::SessionLaws*> LevelsTab::levelLaws(bool* settled) const {
    std::vector<const odds::SessionLaws*> laws;
    bool all = true;
    for (const int level : allLevels) {
        const auto answer = this->laws().sessions(level);
        all = all && answer.settled();
        laws.push_back(answer.laws);
    }
    if (settled) {
        *settled = all;
    }
    return laws;
}

bool LevelsTab::lawsSettled(const ChartView&) {
    bool settled = false;
    levelLaws(&settled);
    return settled;
}

// Exact and the same for every run.
std::vector<Table> LevelsTab::draw(const ChartView& view) {
    kept_->setText(qtext(keptText(view.record, view.play.level, wording())));
    const std::vector<const odds::SessionLaws*> laws = levelLaws();
    Table shown = textOf(tables::levelsData(allLevels, laws), wording());
    style::fillTable(table(), shown);
    for (int r = 0; r < table()->rowCount(); ++r) {
        const bool chosen = allLevels[static_cast<std::size_t>(r)] == view.play.level;
        for (int c = 0; c < table()->columnCount(); ++c) {
            // Only a change: each one repaints the table, and it is drawn five times a second.
            QFont font = table()->item(r, c)->font();
            if (font.bold() != chosen) {
                font.setBold(chosen);
                table()->item(r, c)->setFont(font);
            }
        }
    }
    drawBars(view, laws);
    return {shown};
}

void LevelsTab::drawBars(const ChartView& view, const std::vector<const odds::SessionLaws*>& laws) {
    Bars bars{view.play.level, column_->currentIndex(), laws};
    if (drawn_ == bars) {
        return;
    }
    drawn_ = std::move(bars);
    auto* others = qobject_cast<QCPBars*>(plot()->plottable(0));
    auto* chosen = qobject_cast<QCPBars*>(plot()->plottable(1));
    others->data()->clear();
    chosen->data()->clear();
    const auto column = static_cast<std::size_t>(std::max(0, column_->currentIndex()) + 1);
    double low = 0;
    double high = 0;
    for (const chart::LevelBar& bar : chart::levelsFigure(allLevels, laws, column)) {
        (bar.level == view.play.level ? chosen : others)->addData(bar.level, bar.value);
        low = std::min(low == 0 ? bar.value : low, bar.value);
        high = std::max(high, bar.value);
    }
    // Figures that run over powers of ten from level to level, the rows and the top prize's
    // rarity, are drawn on a logarithmic scale; the rest from 0.
    const bool logarithmic = low > 0 && high / low >= 1000;
    plot()->yAxis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    plot()->yAxis->setNumberFormat(logarithmic ? "eb" : "gb");
    plot()->yAxis->setNumberPrecision(logarithmic ? 0 : 6);
    if (logarithmic) {
        plot()->yAxis->setTicker(style::logTicker());
        others->setBaseValue(low / 2);
        chosen->setBaseValue(low / 2);
        plot()->yAxis->setRange(low / 2, high * 2);
    } else {
        plot()->yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        others->setBaseValue(0);
        chosen->setBaseValue(0);
        plot()->yAxis->setRange(std::min(0.0, low) * 1.05, high > 0 ? high * 1.05 : 1);
    }
    plot()->yAxis->setLabel(column_->currentText());
    plot()->replot(QCustomPlot::rpQueuedReplot);
}

}  // namespace zarno

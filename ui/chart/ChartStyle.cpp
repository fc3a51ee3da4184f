#include "ui/chart/ChartStyle.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

#include <qcustomplot.h>

#include "platform/qt/QtText.h"

namespace zarno::style {

const ChartColours& coloursFor(const QPalette& palette) {
    static const ChartColours light{{0, 70, 160},        {0, 70, 160, 150},   {40, 40, 40},
                                    {110, 160, 230, 90}, {110, 160, 230, 45}, {200, 30, 30},
                                    {20, 140, 60},       {120, 120, 120, 110}};
    static const ChartColours dark{{120, 175, 255},      {120, 175, 255, 150}, {230, 230, 230},
                                   {110, 160, 230, 110}, {110, 160, 230, 60},  {255, 120, 120},
                                   {100, 220, 130},      {180, 180, 180, 120}};
    return palette.color(QPalette::Base).lightness() < 128 ? dark : light;
}

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
    // Its background is filled with an opaque colour, so the widgets behind it need not be
    // painted again at every replot.
    plot->setAttribute(Qt::WA_OpaquePaintEvent);
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

void addBand(QCustomPlot* plot, const QColor& colour, const QString& name) {
    QCPGraph* lower = addGraph(plot, Qt::transparent, name);
    QCPGraph* upper = addGraph(plot, Qt::transparent, name);
    upper->setBrush(colour);
    upper->setChannelFillGraph(lower);
    lower->removeFromLegend();
}

QSharedPointer<QCPAxisTickerLog> logTicker() {
    return QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog);
}

QTableWidget* createTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void fillTable(QTableWidget* table, const Table& content) {
    const auto columns = static_cast<int>(content.headers.size());
    if (table->columnCount() != columns) {
        table->setColumnCount(columns);
        QStringList headers;
        for (const std::string& header : content.headers) {
            headers << qtext(header);
        }
        table->setHorizontalHeaderLabels(headers);
    }
    // The columns are fitted to their texts only when a text's length changes, since fitting
    // measures every cell; rows added below the others, as a series' jackpots are, have only
    // their own cells measured, and refit a column that they do not fit.
    const int before = table->rowCount();
    const auto rows = static_cast<int>(content.rows.size());
    bool refit = before == 0 || rows < before;
    table->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
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
                refit = refit || (r < before && item->text().size() != text.size());
                item->setText(text);
            }
        }
    }
    if (refit) {
        table->resizeColumnsToContents();
        return;
    }
    const int grid = table->showGrid() ? 1 : 0;  // as the view's own fitting counts it
    for (int c = 0; c < columns; ++c) {
        for (int r = before; r < rows; ++r) {
            if (table->sizeHintForIndex(table->model()->index(r, c)).width() + grid >
                table->columnWidth(c)) {
                table->resizeColumnToContents(c);
                break;
            }
        }
    }
}

}  // namespace zarno::style

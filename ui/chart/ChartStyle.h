#pragma once

#include <QColor>
#include <QPalette>
#include <QSharedPointer>
#include <QString>

#include "core/chart/TableText.h"

class QCPAxisTickerLog;
class QCPGraph;
class QCustomPlot;
class QTableWidget;
class QWidget;

// The one style of the chart window's plots and tables.
namespace zarno::style {

// The charts' colours, for a light desktop and for a dark one: each series stands out from the
// background it is drawn on.
struct ChartColours {
    QColor observed, observedFill, expected, band2, band3, stray, lucky, path;
};
const ChartColours& coloursFor(const QPalette& palette);

// Axes, grid, texts and background from the desktop's palette: the texts as it writes on its
// base colour, so that a dark or a high-contrast theme stays readable.
void followPalette(QCustomPlot* plot, const QPalette& palette);

// A plot with a legend, the locale's decimal separator on its axes, and fast lines.
QCustomPlot* createPlot(QWidget* parent);
QCPGraph* addGraph(QCustomPlot* plot, const QColor& colour, const QString& name);
// A band between two graphs, its lower edge filled up to its upper one, in the legend once.
void addBand(QCustomPlot* plot, const QColor& colour, const QString& name);
QSharedPointer<QCPAxisTickerLog> logTicker();
// A table to read, cell by cell with the arrow keys; Tab leaves it for the next control.
QTableWidget* createTable(QWidget* parent);
// The table's texts, right-aligned; only the cells whose text changed are written, and the columns
// fitted only when a text's length changed.
void fillTable(QTableWidget* table, const Table& content);

}  // namespace zarno::style

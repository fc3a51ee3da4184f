#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "core/chart/ChartTables.h"

class QCustomPlot;
class QPagedPaintDevice;

namespace zarno {

// A page of a report: a tab's name, its chart and its tables.
struct ReportPage {
    QString title;
    QCustomPlot* plot = nullptr;
    std::vector<Table> tables;
};

// Paints a report, a page a tab: on every page the head's lines, then the tab's name, its chart
// across the page, and its tables under it, each in a font small enough to fit the page's width.
// False when the device cannot be painted on.
bool paintReport(QPagedPaintDevice& device, const QStringList& head,
                 const std::vector<ReportPage>& pages);

}  // namespace zarno

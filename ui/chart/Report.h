#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include <cstdint>
#include <functional>
#include <optional>

#include "core/chart/TableText.h"
#include "core/engine/Play.h"
#include "core/series/SeriesRecord.h"
#include "core/text/Wording.h"

class QCustomPlot;
class QPixmap;
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

// One page: the head's lines, the title, a picture across the page, a line under it, and the
// tables. False when the device cannot be painted on.
bool paintPage(QPagedPaintDevice& device, const QStringList& head, const QString& title,
               const QPixmap& picture, const std::vector<Table>& tables, const QString& line = {});

// A report made in memory first, so that only a whole one ever replaces a file: a PDF of A4 pages
// titled `title`, which `paint` paints. Gives the reason when it could not be written.
QString writePdf(const QString& file, const QString& title,
                 const std::function<bool(QPagedPaintDevice&)>& paint);

// The head of every page: the program and its version, the play, the rows, the date, and whether
// the run can be repeated.
QStringList reportHead(const Play& play, const SeriesRecord& record,
                       std::optional<std::uint64_t> seed, const Wording& wording);

}  // namespace zarno

#include "ui/chart/Report.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include <qcustomplot.h>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"

namespace zarno {
namespace {

// The columns' widths in a font, each as wide as its widest text, with the gap between them.
std::vector<int> columnWidths(const Table& table, const QFontMetrics& metrics) {
    std::vector<int> widths(table.headers.size());
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = metrics.horizontalAdvance(qtext(table.headers[c]));
        for (const auto& row : table.rows) {
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(qtext(row[c])));
        }
    }
    return widths;
}

// The table's columns, the figures to the right, in the painter's font or a smaller one that
// fits them all across `width`; gives where the table ends.
int paintTable(QPainter& painter, const Table& table, int top, int width) {
    QFont font = painter.font();
    std::vector<int> widths;
    int gap = 0;
    for (;;) {
        const QFontMetrics metrics(font);
        gap = metrics.horizontalAdvance(QStringLiteral("  "));
        widths = columnWidths(table, metrics);
        int across = gap * static_cast<int>(widths.size());
        for (const int w : widths) {
            across += w;
        }
        if (across <= width || font.pixelSize() <= 5) {
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    const QFont before = painter.font();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const auto line = [&](const std::vector<std::string>& cells, int y) {
        int x = 0;
        for (std::size_t c = 0; c < cells.size() && x < width; ++c) {
            painter.drawText(QRect(x, y, widths[c], metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, qtext(cells[c]));
            x += widths[c] + gap;
        }
    };
    int y = top;
    line(table.headers, y);
    painter.drawLine(0, y + metrics.height(), width, y + metrics.height());
    for (const auto& row : table.rows) {
        y += metrics.lineSpacing();
        line(row, y + metrics.height() / 4);
    }
    painter.setFont(before);
    return y + metrics.lineSpacing();
}

// The page laid out as 600 units wide, a unit about a point; fonts are sized in units, so that
// they follow the scale whatever the device's resolution.
class PagePainter {
public:
    explicit PagePainter(QPagedPaintDevice& device) : device_(device) {}

    bool begin() {
        if (!painter_.begin(&device_)) {
            return false;
        }
        const QRect page = painter_.viewport();
        const double scale = page.width() / 600.0;
        painter_.scale(scale, scale);
        height_ = static_cast<int>(page.height() / scale);
        font_ = painter_.font();
        font_.setPixelSize(9);
        heading_ = font_;
        heading_.setPixelSize(14);
        heading_.setBold(true);
        return true;
    }
    bool end() { return painter_.end(); }
    int height() const { return height_; }

    void page(const QStringList& head, const QString& title, const QPixmap& picture,
              int pictureHeight, const std::vector<Table>& tables, const QString& line) {
        if (pages_++ > 0) {
            device_.newPage();
        }
        painter_.setFont(font_);
        const QFontMetrics metrics(font_);
        int y = 0;
        for (const QString& text : head) {
            painter_.drawText(QRect(0, y, width, metrics.height()), Qt::AlignLeft, text);
            y += metrics.lineSpacing();
        }
        y += metrics.lineSpacing();
        painter_.setFont(heading_);
        const QFontMetrics headingMetrics(heading_);
        painter_.drawText(QRect(0, y, width, headingMetrics.height()), Qt::AlignLeft, title);
        y += headingMetrics.lineSpacing();
        painter_.setFont(font_);
        painter_.drawPixmap(QRect(0, y, width, pictureHeight), picture);
        y += pictureHeight + metrics.lineSpacing();
        if (!line.isEmpty()) {
            painter_.drawText(QRect(0, y, width, metrics.height()), Qt::AlignLeft, line);
            y += 2 * metrics.lineSpacing();
        }
        for (const Table& table : tables) {
            y = paintTable(painter_, table, y, width) + metrics.lineSpacing();
        }
    }

    static constexpr int width = 600;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    int height_ = 0;
    int pages_ = 0;
    QFont font_;
    QFont heading_;
};

}  // namespace

bool paintReport(QPagedPaintDevice& device, const QStringList& head,
                 const std::vector<ReportPage>& pages) {
    PagePainter painter(device);
    if (!painter.begin()) {
        return false;
    }
    // The chart as the window draws it, at three times the page's units for print.
    const int chartHeight = painter.height() * 2 / 5;
    for (const ReportPage& page : pages) {
        painter.page(head, page.title, page.plot->toPixmap(PagePainter::width, chartHeight, 3.0),
                     chartHeight, page.tables, {});
    }
    return painter.end();
}

bool paintPage(QPagedPaintDevice& device, const QStringList& head, const QString& title,
               const QPixmap& picture, const std::vector<Table>& tables, const QString& line) {
    PagePainter painter(device);
    if (!painter.begin()) {
        return false;
    }
    const int pictureHeight =
        picture.width() > 0 ? PagePainter::width * picture.height() / picture.width() : 0;
    painter.page(head, title, picture, std::min(pictureHeight, painter.height() / 2), tables, line);
    return painter.end();
}

QString writePdf(const QString& file, const QString& title,
                 const std::function<bool(QPagedPaintDevice&)>& paint) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zarno " ZARNO_VERSION));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!paint(writer)) {
        return buffer.errorString();
    }
    buffer.close();
    return writeWholeFile(file, pdf);
}

QStringList reportHead(const Play& play, const SeriesRecord& record,
                       std::optional<std::uint64_t> seed, const Wording& wording) {
    const std::string date =
        QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    return {QStringLiteral("Zarno " ZARNO_VERSION), qtext(playLine(play, wording)),
            qtext(rowsLine(record.rows(), wording)),
            qtext(filled(wording(texts::dateLine), {date})),
            qtext(repeatabilityLine(seed, wording))};
}

}  // namespace zarno

#include "ui/lesson/IconArray.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "ui/chart/ChartStyle.h"

namespace zarno {
namespace {

// The columns that make the figures as large as the widget allows, a row left for the mark's text.
int columnsFor(QSize size, int figures) {
    int best = 1;
    double side = 0;
    for (int columns = 1; columns <= figures; ++columns) {
        const int rows = (figures + columns - 1) / columns;
        const double fits =
            std::min(size.width() / double(columns), size.height() / double(rows + 1));
        if (fits > side) {
            side = fits;
            best = columns;
        }
    }
    return best;
}

}  // namespace

IconArray::Standing IconArray::standingOf(std::int64_t net, std::int64_t paid) {
    if (net > 0) {
        return Standing::ahead;
    }
    return 2 * -net < paid ? Standing::behind : Standing::farBehind;
}

IconArray::IconArray(QWidget* parent) : QWidget(parent) {
    setMinimumSize(400, 260);
    setFocusPolicy(Qt::StrongFocus);  // a screen reader reaches it with Tab
}

void IconArray::show(const std::vector<std::int64_t>& net, std::int64_t paid, int you,
                     const QString& youText, const QString& ahead) {
    standings_.clear();
    for (const std::int64_t result : net) {
        standings_.push_back(standingOf(result, paid));
    }
    you_ = you;
    youText_ = youText;
    setAccessibleName(ahead.arg(count(Standing::ahead)));
    update();
}

void IconArray::clear() {
    standings_.clear();
    you_ = -1;
    setAccessibleName({});
    update();
}

int IconArray::count(Standing standing) const {
    return static_cast<int>(std::count(standings_.begin(), standings_.end(), standing));
}

// Ahead a triangle pointing up, behind a circle, far behind a square pointing down: each shape
// read without its colour.
void IconArray::paintFigure(QPainter& painter, Standing standing, const QRectF& box,
                            const QPalette& palette) {
    const style::ChartColours& colours = style::coloursFor(palette);
    const QRectF inner = box.adjusted(box.width() * 0.12, box.height() * 0.12, -box.width() * 0.12,
                                      -box.height() * 0.12);
    painter.setPen(Qt::NoPen);
    switch (standing) {
        case Standing::ahead: {
            painter.setBrush(colours.lucky);
            QPainterPath triangle;
            triangle.moveTo(inner.center().x(), inner.top());
            triangle.lineTo(inner.bottomRight());
            triangle.lineTo(inner.bottomLeft());
            triangle.closeSubpath();
            painter.drawPath(triangle);
            break;
        }
        case Standing::behind:
            painter.setBrush(colours.observed);
            painter.drawEllipse(inner);
            break;
        case Standing::farBehind:
            painter.setBrush(colours.stray);
            painter.drawRect(inner.adjusted(inner.width() * 0.1, inner.height() * 0.1,
                                            -inner.width() * 0.1, -inner.height() * 0.1));
            break;
    }
}

void IconArray::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (standings_.empty()) {
        return;
    }
    const int figures = static_cast<int>(standings_.size());
    const int columns = columnsFor(size(), figures);
    const int rows = (figures + columns - 1) / columns;
    const double side = std::min(width() / double(columns), height() / double(rows + 1));
    for (std::size_t i = 0; i < standings_.size(); ++i) {
        const auto at = static_cast<int>(i);
        const QRectF box((at % columns) * side, (at / columns) * side, side, side);
        paintFigure(painter, standings_[i], box, palette());
    }
    if (you_ >= 0 && you_ < static_cast<int>(standings_.size())) {
        const QRectF box((you_ % columns) * side, (you_ / columns) * side, side, side);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Text), std::max(1.5, side / 8)));
        painter.drawEllipse(box.adjusted(-side * 0.15, -side * 0.15, side * 0.15, side * 0.15));
        painter.setPen(palette().color(QPalette::Text));
        const QRectF label(0, rows * side, width(), side);
        painter.drawText(label, Qt::AlignCenter, QStringLiteral("○ ") + youText_);
    }
}

}  // namespace zarno

#include "ui/SteadyFrame.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <cmath>

namespace zarno {

SteadyFrame::SteadyFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

SteadyFrame::Look SteadyFrame::look(const QStyleOptionGroupBox& option) const {
    return {option.rect,
            static_cast<int>(option.state),
            option.text,
            option.palette.cacheKey(),
            window()->palette().cacheKey(),
            mapTo(window(), QPoint(0, 0)),
            font().key(),
            devicePixelRatioF(),
            style()};
}

void SteadyFrame::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const qreal scale = devicePixelRatioF();
    // A fractional scale would blur a copy.
    if (scale != std::floor(scale) ||
        event->rect().intersects(style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, this))) {
        QGroupBox::paintEvent(event);
        return;
    }
    if (const Look now = look(option); picture_.isNull() || pictured_ != now) {
        picture_ = QPixmap(size() * scale);
        picture_.setDevicePixelRatio(scale);
        // Over the window's background, as the frame is painted on the screen: a style may draw
        // it differently over a transparent picture.
        QStylePainter painter;
        painter.begin(&picture_, this);
        painter.setBrushOrigin(-now.at);
        painter.fillRect(rect(), window()->palette().brush(window()->backgroundRole()));
        painter.setBrushOrigin(0, 0);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        painter.end();
        pictured_ = now;
    }
    QPainter painter(this);
    for (const QRect& strip : event->region()) {
        painter.drawPixmap(strip, picture_,
                           QRectF(QPointF(strip.topLeft()) * scale, QSizeF(strip.size()) * scale));
    }
}

}  // namespace zarno

#pragma once

#include <QGroupBox>
#include <QPixmap>

namespace zarno {

// A group box that keeps the picture of itself. The labels in a result frame are rewritten at
// every frame of the screen while rows are drawn, and each time the style painted the frame's
// picture behind them again, scaled to the whole box and, being tall, in pieces on Qt's thread
// pool, whose threads took their time from the rows. Here the strips behind the labels are
// copied from the picture, which holds the frame over the window's background, one rectangle at
// a time; the title, and any new look, is painted by the style as before.
class SteadyFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit SteadyFrame(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look {
        QRect rect;
        int state = 0;  // its colour group, active or not, follows from it
        QString title;
        qint64 palette = 0;
        qint64 window = 0;  // the palette of the window it is painted over, and where
        QPoint at;
        QString font;
        qreal scale = 0;
        const QStyle* style = nullptr;

        bool operator==(const Look&) const = default;
    };
    Look look(const QStyleOptionGroupBox& option) const;

    QPixmap picture_;
    Look pictured_;
};

}  // namespace zarno

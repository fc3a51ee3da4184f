#pragma once

#include <QWidget>

class QLabel;

namespace zarno {

// A box for one line of text that a tab rewrites while rows are drawn. A label in a layout asks
// every layout around it again at each new text, and the tab widget above them answers by
// painting itself whole, frame, tab bar and table included; in this box, which keeps its place,
// only the text is painted again. The label fills the box's width and gives its height.
class LiveCaption : public QWidget {
    Q_OBJECT

public:
    explicit LiveCaption(QLabel* label, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
};

}  // namespace zarno

#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace zarno {

// A thousand figures, one a player, each showing where the player stands: ahead, behind by less
// than half of what the player paid, or behind by more; told apart by shape as well as colour, in
// the desktop's palette. One of them, "you", is marked, and never shown without the others.
class IconArray : public QWidget {
    Q_OBJECT

public:
    enum class Standing { ahead, behind, farBehind };
    static Standing standingOf(std::int64_t net, std::int64_t paid);

    explicit IconArray(QWidget* parent = nullptr);

    // The players' net results after they paid `paid` euros each, and which of them is "you",
    // marked with `youText`; `ahead` is what a screen reader reads of them, the count filled in.
    void show(const std::vector<std::int64_t>& net, std::int64_t paid, int you,
              const QString& youText, const QString& ahead);
    void clear();
    int count(Standing standing) const;

    QSize sizeHint() const override { return {640, 420}; }
    // The figure of a standing, as the legend draws it.
    static void paintFigure(QPainter& painter, Standing standing, const QRectF& box,
                            const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Standing> standings_;
    int you_ = -1;
    QString youText_;
};

}  // namespace zarno

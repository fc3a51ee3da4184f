#pragma once

#include <optional>
#include <vector>

#include "ui/chart/ChartTab.h"

class QComboBox;
class QLabel;

namespace zarno {

// The nine levels side by side, exactly, the chosen one marked: a table of their figures and a bar
// chart of the column chosen; above them what the game keeps.
class LevelsTab : public ChartTab {
    Q_OBJECT

public:
    LevelsTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;
    bool lawsSettled(const ChartView& view) override;

    QLabel* kept() const { return kept_; }
    // The column of the table that the chart shows.
    QComboBox* column() const { return column_; }

private:
    // Each level's laws as far as they are worked out, each asked for.
    std::vector<const odds::SessionLaws*> levelLaws(bool* settled = nullptr) const;
    void drawBars(const ChartView& view, const std::vector<const odds::SessionLaws*>& laws);

    // What the bars were last drawn from. Their figures are exact, so the same again is not
    // drawn again five times a second while rows are drawn.
    struct Bars {
        int level = 0;
        int column = 0;  // its header, the axis' label, follows from it
        std::vector<const odds::SessionLaws*> laws;

        bool operator==(const Bars&) const = default;
    };

    QLabel* kept_;
    QComboBox* column_;
    std::optional<Bars> drawn_;
};

}  // namespace zarno

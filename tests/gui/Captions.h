#pragma once

#include <QLabel>
#include <QStringList>

#include <string>

#include "core/series/SimulationState.h"
#include "core/text/ResultsText.h"
#include "ui/Zarno.h"

namespace zarno::test {

// The captions of a level's frame, winnings first, then L hits down to 0, and the row counter.
struct Captions {
    QStringList level;
    QString rowCounter;

    bool operator==(const Captions&) const = default;
};

// The captions the rules give for a state of the series.
inline Captions expectedCaptions(const SimulationState& s, int level) {
    Captions c;
    std::string text;
    writeWinningsCaption(text, s.Winnings, s.Rows, Wording('.'));
    c.level << QString::fromStdString(text);
    for (int k = level; k >= 0; --k) {
        writeHitsCaption(text, level, k, s.Hits(level)[static_cast<std::size_t>(k)], s.Rows,
                         Wording('.'));
        c.level << QString::fromStdString(text);
    }
    writeRowCounter(text, s.Rows, Wording('.'));
    c.rowCounter = QString::fromStdString(text);
    return c;
}

// The captions the window shows.
inline Captions shownCaptions(Zarno& w, int level) {
    Captions c;
    c.level << w.label(LabelId::winnings(level))->text();
    for (int k = level; k >= 0; --k) {
        c.level << w.label(LabelId::hits(level, k))->text();
    }
    c.rowCounter = w.label(LabelId::rowCounter())->text();
    return c;
}

}  // namespace zarno::test

#pragma once

#include <QLabel>
#include <QStringList>

#include <string>

#include "core/series/Tally.h"
#include "core/text/ResultsText.h"
#include "ui/Zarno.h"

namespace zarno::test {

// The captions of a level's frame, winnings first, then L hits down to 0, and the row counter.
struct Captions {
    QStringList level;
    QString rowCounter;

    bool operator==(const Captions&) const = default;
};

// The captions the rules give for a tally of the series, in the wording given.
inline Captions expectedCaptions(const Tally& t, int level, const Wording& wording = Wording('.')) {
    Captions c;
    std::string text;
    writeWinningsCaption(text, t.winnings, t.rows, wording);
    c.level << QString::fromStdString(text);
    for (int k = level; k >= 0; --k) {
        writeHitsCaption(text, level, k, t.hits[static_cast<std::size_t>(k)], t.rows, wording);
        c.level << QString::fromStdString(text);
    }
    writeRowCounter(text, t.rows, wording);
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

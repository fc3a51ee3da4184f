#include "platform/qt/Fonts.h"

#include <QFont>
#include <QStringList>

#include <cmath>

namespace zarno {
namespace {

const QString designFamily = QStringLiteral("MS Sans Serif");

}  // namespace

void installFontFallbacks() {
    static bool installed = false;  // every window asks; the list is set once
    if (installed) {
        return;
    }
    installed = true;
    // Liberation Sans (Debian's fonts-liberation) comes closest in widths: the captions that
    // were sized to fit MS Sans Serif fit it too.
    QFont::insertSubstitutions(
        designFamily,
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
         QStringLiteral("Arimo"), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(double points, bool bold, bool underline) {
    QFont font(designFamily);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace zarno

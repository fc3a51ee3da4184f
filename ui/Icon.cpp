#include "ui/Icon.h"

#include <QPixmap>

namespace zarno::ui {

// The same 16 x 16 image is installed as the program's icon in the desktop's icon theme.
QIcon zarnoIcon() {
    return QIcon(QPixmap(QStringLiteral(":/icons/zarno.png")));
}

}  // namespace zarno::ui

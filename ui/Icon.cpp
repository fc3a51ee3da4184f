#include "ui/Icon.h"

#include <QPixmap>

namespace zarno::ui {
namespace {

const char* const ballXpm[] = {
    "16 16 5 1",        "  c None",         ". c #1B3F8B",      "+ c #2F6FD6",
    "o c #FFFFFF",      "x c #F2C230",      "     ......     ", "   ..++++++..   ",
    "  .++++++++++.  ", " .+++xxxxxx+++. ", " .++oooooooo++. ", ".+++oooooooo+++.",
    ".+++++++ooo++++.", ".++++++ooo+++++.", ".+++++ooo++++++.", ".++++ooo+++++++.",
    ".+++oooooooo+++.", " .++oooooooo++. ", " .+++xxxxxx+++. ", "  .++++++++++.  ",
    "   ..++++++..   ", "     ......     ",
};

}  // namespace

QIcon zarnoIcon() {
    return QIcon(QPixmap(ballXpm));
}

}  // namespace zarno::ui

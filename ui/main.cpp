#include <QApplication>
#include <QLocale>

#include "core/engine/RowEngine.h"
#include "core/series/Series.h"
#include "core/text/Texts.h"
#include "platform/FileLimits.h"
#include "platform/RandomNumbers.h"
#include "platform/qt/Translations.h"
#include "ui/Zarno.h"

int main(int argc, char** argv) {
    zarno::reportWritesPastFileLimits();
    QApplication app(argc, argv);
    const zarno::Translations translations(zarno::chooseLanguage(QLocale::system().uiLanguages()),
                                           zarno::texts::all);
    zarno::SystemClock clock;
    zarno::RowEngine engine(clock, zarno::freshSeed(clock));
    zarno::Series series(engine);
    zarno::Zarno window(series);
    // The event loop returns at its next turn; then the window and the engine are destroyed, and
    // the engine joins its workers.
    QObject::connect(&window, &zarno::Zarno::quitRequested, &app,
                     [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}

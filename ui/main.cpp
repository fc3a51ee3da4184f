#include <QApplication>
#include <QLocale>

#include "core/engine/RowEngine.h"
#include "platform/RandomNumbers.h"
#include "platform/qt/QtRuntimeServices.h"
#include "platform/qt/Translations.h"
#include "ui/Zarno.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const zarno::Translations translations(zarno::chooseLanguage(QLocale::system().uiLanguages()));
    zarno::SystemClock clock;
    zarno::RowEngine engine(clock, zarno::freshSeed(clock));
    zarno::QtRuntimeServices services;
    zarno::Zarno window(services, engine);
    services.setWindow(&window);
    window.show();
    return QApplication::exec();
}

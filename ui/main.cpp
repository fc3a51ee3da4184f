#include <QApplication>

#include "core/RowEngine.h"
#include "platform/RandomNumbers.h"
#include "platform/qt/QtRuntimeServices.h"
#include "ui/Zarno.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zarno::SystemClock clock;
    zarno::RowEngine engine(clock, zarno::freshSeed(clock));
    zarno::QtRuntimeServices services;
    zarno::Zarno window(services, engine);
    services.setWindow(&window);
    window.show();
    return QApplication::exec();
}

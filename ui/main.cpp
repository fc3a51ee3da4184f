#include <QApplication>

#include "QtRuntimeServices.h"
#include "RandomNumbers.h"
#include "Zarno.h"

int main(int argc, char** argv) {
    zarno::preferUnixEventDispatcher();
    QApplication app(argc, argv);
    zarno::SystemClock clock;
    zarno::RandomNumbers random(clock);
    zarno::QtRuntimeServices services;
    zarno::Zarno window(services, random);
    window.show();
    return QApplication::exec();
}

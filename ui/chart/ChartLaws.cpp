#include "ui/chart/ChartLaws.h"

namespace zarno {

// Emitted on the working thread, the signal is queued to the window's.
ChartLaws::ChartLaws(StartThread start, QObject* parent)
    : QObject(parent),
      laws_(std::make_unique<odds::ExactLaws>(std::move(start), [this] { emit ready(); })) {}

// The threads are joined while the object whose signal they emit is whole.
ChartLaws::~ChartLaws() {
    laws_.reset();
}

}  // namespace zarno

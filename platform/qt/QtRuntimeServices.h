#pragma once

#include <cstdint>

#include "RuntimeServices.h"

namespace zarno {

// The runtime services as the real program uses them.
class QtRuntimeServices final : public RuntimeServices {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    void pumpEvents() override;
    [[noreturn]] void endProgram() override;

private:
    std::uint64_t lastTick_ = 0;
};

// Pending events as the draw loop dispatches them on every row. Everything already queued in
// Qt -- posted events (clicks and key presses delivered to widgets, repaint requests, queued
// calls) and window-system events -- is dispatched on every call. What still lies outside Qt's
// queues (the X connection's input, timers, wake-ups from other threads) needs the event
// dispatcher's poll, a system call that costs over a microsecond on these machines, a dozen
// times the rest of a row; it is collected by a full processEvents at each tick of the coarse
// clock, so within a few milliseconds.
void pumpPendingEvents(std::uint64_t& lastTick);

// Chooses Qt's own Unix event dispatcher over the glib one, which costs a fifth more per
// dispatch. To be called before the application object is created.
void preferUnixEventDispatcher();

// The message box itself, shared with tests that want to look at a real one.
void showMessageBox(QWidget* parent, const QString& text);

}  // namespace zarno

#pragma once

class QString;
class QWidget;

namespace zarno {

// The services of the runtime that a window needs and a test must be able to observe: the modal
// message box, the pumping of pending events and the end of the program.
class RuntimeServices {
public:
    virtual ~RuntimeServices() = default;

    // Prompt only, OK only, no icon, the application's title as caption; returns after OK.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Dispatches every pending window event before it returns.
    virtual void pumpEvents() = 0;
    // Ends the process at once with status 0; in production it does not return.
    virtual void endProgram() = 0;
};

}  // namespace zarno

#pragma once

#include "platform/RuntimeServices.h"

class QWidget;

namespace zarno {

// The runtime services as the real program uses them: Qt's message box and its event loop.
class QtRuntimeServices final : public RuntimeServices {
public:
    // The window a message box belongs to.
    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(std::string_view text) override;
    void endProgram() override;

private:
    QWidget* window_ = nullptr;
};

// The message box itself, shared with tests that want to look at a real one: plain text with
// the title of the window it belongs to, OK only, no icon, modal.
void showMessageBox(QWidget* parent, std::string_view text);

}  // namespace zarno

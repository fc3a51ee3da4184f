#pragma once

#include "RuntimeServices.h"

namespace zarno {

// The runtime services as the real program uses them.
class QtRuntimeServices final : public RuntimeServices {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    void pumpEvents() override;
    [[noreturn]] void endProgram() override;
};

// The message box itself, shared with tests that want to look at a real one.
void showMessageBox(QWidget* parent, const QString& text);

}  // namespace zarno

#pragma once

#include <string_view>

namespace zarno {

// The services of the runtime that the program's rules call and that a test must be able to
// observe: the modal message box, the pumping of pending events and the end of the program.
class RuntimeServices {
public:
    virtual ~RuntimeServices() = default;

    // Prompt only, OK only, no icon, the application's title as caption; returns after OK.
    virtual void showMessage(std::string_view text) = 0;
    // Dispatches the window events pending when it is called, then returns.
    virtual void pumpEvents() = 0;
    // Ends the process at once with status 0; in production it does not return.
    virtual void endProgram() = 0;
};

}  // namespace zarno

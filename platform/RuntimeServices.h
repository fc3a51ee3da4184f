#pragma once

#include <string_view>

namespace zarno {

// The services of the runtime that the program's rules call and that a test must be able to
// observe: the modal message box and the end of the program.
class RuntimeServices {
public:
    virtual ~RuntimeServices() = default;

    // Prompt only, OK only, no icon, the application's title as caption; returns after OK.
    virtual void showMessage(std::string_view text) = 0;
    // Ends the program with status 0: its event loop returns, the objects it made are destroyed
    // and its worker threads joined.
    virtual void endProgram() = 0;
};

}  // namespace zarno

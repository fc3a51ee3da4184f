#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/RuntimeServices.h"

namespace zarno::test {

// Thrown by the fake end of the program when no test hook takes the end, so that a test sees
// the end and everything after it unwinds.
struct ProgramEnded {};

// Runtime services a test can watch: messages are recorded instead of shown, and the end of the
// program is recorded instead of ending the test. Each service runs its hook; the pump first
// runs `dispatch`, the real pump where there is a real window.
class FakeServices final : public RuntimeServices {
public:
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        if (onMessage) {
            onMessage();
        }
    }
    void pumpEvents() override {
        ++pumps;
        if (dispatch) {
            dispatch();
        }
        if (onPump) {
            onPump();
        }
    }
    void endProgram() override {
        ++ends;
        if (!onEnd) {
            throw ProgramEnded{};
        }
        onEnd();
    }

    std::vector<std::string> messages;
    long long pumps = 0;
    int ends = 0;
    std::function<void()> dispatch;
    std::function<void()> onPump;
    std::function<void()> onMessage;
    std::function<void()> onEnd;
};

}  // namespace zarno::test

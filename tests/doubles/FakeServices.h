#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/RuntimeServices.h"

namespace zarno::test {

// Runtime services a test can watch: messages and the end of the program are recorded instead
// of shown or carried out, and each runs its hook.
class FakeServices final : public RuntimeServices {
public:
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        if (onMessage) {
            onMessage();
        }
    }
    void endProgram() override { ++ends; }

    std::vector<std::string> messages;
    int ends = 0;
    std::function<void()> onMessage;
};

}  // namespace zarno::test

#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace zarno {

// How the program's texts read for its user: each Finnish source text of Texts.h in the user's
// language, and the decimal separator of the user's locale. Finnish unless a translation is given.
class Wording {
public:
    using Translate = std::function<std::string(std::string_view finnish)>;

    // Finnish, the source language, with the separator given.
    explicit Wording(char separator = '.') : separator_(separator) {}
    Wording(char separator, Translate translate)
        : separator_(separator), translate_(std::move(translate)) {}

    char separator() const { return separator_; }

    // The text in the user's language; the Finnish text itself where it has no translation. Each
    // text is translated once and kept: captions are written up to once a screen frame.
    std::string_view operator()(std::string_view finnish) const {
        if (!translate_) {
            return finnish;
        }
        auto found = translated_.find(finnish);
        if (found == translated_.end()) {
            found = translated_.emplace(finnish, translate_(finnish)).first;
        }
        return found->second;
    }

private:
    char separator_;
    Translate translate_;
    mutable std::map<std::string_view, std::string, std::less<>> translated_;
};

}  // namespace zarno

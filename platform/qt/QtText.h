#pragma once

#include <QString>

#include <string_view>

namespace zarno {

// One of the program's UTF-8 texts as Qt holds it.
inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zarno

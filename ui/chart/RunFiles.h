#pragma once

#include <QString>

#include <string>
#include <variant>

#include "core/document/RunDocument.h"
#include "core/text/Wording.h"

namespace zarno {

// Writes a run document whole or not at all, ".json" added to a name without a suffix; gives the
// system's reason when it cannot.
QString saveRunFile(const QString& file, const std::string& document);

// The bytes of a file that may be a saved run, no more than a run can be; or why it cannot be
// read, in the system's words.
std::variant<std::string, QString> runFileBytes(const QString& file);
// What is wrong with a document that is no saved run, in the user's language.
QString whyNotOpened(const DocumentError& error, const Wording& wording);

}  // namespace zarno

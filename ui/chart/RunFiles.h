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

// Reads a saved run; or gives what is wrong with the file, in the user's language.
std::variant<SavedRun, QString> openRunFile(const QString& file, const Wording& wording);

}  // namespace zarno

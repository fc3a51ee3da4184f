#pragma once

#include <QByteArray>
#include <QString>

namespace zarno {

// Writes a file whole or not at all: the bytes go into a file beside it, which replaces it only
// once every byte is on the disk. Returns the system's reason when it fails, and an existing file
// of that name is then as it was; an empty string when the file is written.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// The path with ".suffix" added when its file name has no suffix.
QString withSuffix(const QString& path, const QString& suffix);

}  // namespace zarno

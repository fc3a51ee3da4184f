#include "platform/qt/FileWriting.h"

#include <QFileInfo>
#include <QSaveFile>

namespace zarno {

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a write that fails says why in the system's words, a file-size limit
    // among them, rather than later, at a flush that no longer knows.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A short write, or a flush that fails, marks the file as failed; commit() then keeps the old
    // file and says so.
    // A write cut short by the disk or a limit is tried again for the rest, which then fails with
    // the system's reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            break;
        }
        written += more;
    }
    if (written != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("?") : reason;
    }
    return {};
}

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + '.' + suffix : path;
}

}  // namespace zarno

#include "platform/qt/FileWriting.h"

#include <QFileInfo>
#include <QSaveFile>

namespace zarno {

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // A short write, or a flush that fails once the data leaves Qt's buffer, marks the file as
    // failed; commit() then keeps the old file and says so.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
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

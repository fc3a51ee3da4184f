#include "ui/chart/RunFiles.h"

#include <QFile>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"

namespace zarno {

QString saveRunFile(const QString& file, const std::string& document) {
    return writeWholeFile(withSuffix(file, QStringLiteral("json")),
                          QByteArray(document.data(), static_cast<qsizetype>(document.size())));
}

std::variant<std::string, QString> runFileBytes(const QString& file) {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        return source.errorString();
    }
    const QByteArray bytes = source.read(static_cast<qint64>(largestRunDocument) + 1);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString whyNotOpened(const DocumentError& error, const Wording& wording) {
    return qtext(documentErrorText(error, wording));
}

}  // namespace zarno

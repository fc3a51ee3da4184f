#include "ui/chart/RunFiles.h"

#include <QFile>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/QtText.h"

namespace zarno {
namespace {

QString whyNotOpened(const DocumentError& error, const Wording& wording) {
    switch (error.kind) {
        case DocumentError::Kind::notJson:
            return qtext(wording(texts::notJson));
        case DocumentError::Kind::notARun:
            return qtext(wording(texts::notARun));
        case DocumentError::Kind::newer:
            return qtext(filled(wording(texts::newerRun), {std::to_string(error.version),
                                                           std::to_string(runDocumentVersion)}));
        case DocumentError::Kind::damaged:
            break;
    }
    return qtext(filled(wording(texts::damagedRun), {error.where}));
}

}  // namespace

QString saveRunFile(const QString& file, const std::string& document) {
    return writeWholeFile(withSuffix(file, QStringLiteral("json")),
                          QByteArray(document.data(), static_cast<qsizetype>(document.size())));
}

std::variant<SavedRun, QString> openRunFile(const QString& file, const Wording& wording) {
    // A run is a few hundred kilobytes; a file far larger is not one.
    constexpr qint64 largestRun = 64 * 1024 * 1024;
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        return source.errorString();
    }
    const QByteArray bytes = source.read(largestRun + 1);
    auto read = readRunDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        return whyNotOpened(*error, wording);
    }
    return std::move(std::get<SavedRun>(read));
}

}  // namespace zarno

// zarno-cli: draws a series without a window and writes what the chart window shows, for people
// or for programs.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

#include "cli/Drawing.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/ProgressLine.h"
#include "core/document/LessonDocument.h"
#include "core/document/RunDocument.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/Console.h"
#include "platform/FileLimits.h"
#include "platform/Output.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/Translations.h"

namespace {

using namespace zarno;

int refused(const std::string& line) {
    std::fprintf(stderr, "zarno-cli: %s\n", line.c_str());
    return 2;
}

// The saved run the request names, or why it cannot be read.
std::variant<SavedRun, std::string> readSaved(const std::string& path, const Wording& wording) {
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString().toStdString();
    }
    const QByteArray bytes = file.read(static_cast<qint64>(largestRunDocument) + 1);
    auto read = readRunDocument(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        return documentErrorText(*error, wording);
    }
    return std::move(std::get<SavedRun>(read));
}

// The class's lessons the request names, each by its file's name; or the line that says which one
// cannot be read, and why: then none is summed up.
std::variant<std::vector<NamedLesson>, std::string> readLessons(
    const std::vector<std::string>& files, const Wording& wording) {
    std::vector<NamedLesson> lessons;
    for (const std::string& path : files) {
        QFile file(QString::fromLocal8Bit(path.c_str()));
        std::string reason;
        if (!file.open(QIODevice::ReadOnly)) {
            reason = file.errorString().toStdString();
        } else {
            const QByteArray bytes = file.read(256 * 1024 + 1);
            auto read = readLessonDocument(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (auto* lesson = std::get_if<Lesson>(&read)) {
                lessons.push_back(
                    {QFileInfo(file.fileName()).fileName().toStdString(), std::move(*lesson)});
                continue;
            }
            reason = lessonErrorText(std::get<DocumentError>(read), wording);
        }
        return filled(wording(texts::errLessonRead), {path, reason});
    }
    return lessons;
}

// Writes the output where the request asks: standard output or a stream as it comes, a file
// whole or not at all; gives the line that says why it could not.
std::string write(const std::string& output, const cli::Request& request, OutputName::Kind kind,
                  const Wording& wording) {
    if (request.output.empty()) {
        useBinaryStandardOutput();
        const std::string reason = OutputStream::standardOutput().writeAndClose(output);
        return reason.empty() ? reason : filled(wording(texts::errStandardOutput), {reason});
    }
    std::string reason;
    if (kind == OutputName::Kind::stream) {
        reason = OutputStream(request.output).writeAndClose(output);
    } else {
        reason = writeWholeFile(QString::fromLocal8Bit(request.output.c_str()),
                                QByteArray(output.data(), static_cast<qsizetype>(output.size())))
                     .toStdString();
    }
    return reason.empty() ? reason : filled(wording(texts::errOutput), {request.output, reason});
}

}  // namespace

int main(int argc, char** argv) {
    reportWritesPastFileLimits();
    watchInterrupts();  // before anything, so that no Ctrl+C ends the program without its tables
    const QCoreApplication application(argc, argv);  // for the translations
    const Translations translations(chooseLanguage(QLocale::system().uiLanguages()), texts::all);
    const Wording wording(decimalSeparatorOf(QLocale()), translated);

    const cli::Parsed parsed = cli::parseCommandLine(argc, argv, wording);
    if (!parsed.request) {
        std::fputs(parsed.out.c_str(), stdout);
        return parsed.error.empty() ? parsed.status : refused(parsed.error);
    }
    const cli::Request& request = *parsed.request;
    // Refused before a row is drawn: a run that cannot be written is not drawn.
    const OutputName target = request.output.empty() ? OutputName{OutputName::Kind::stream, {}}
                                                     : examineOutput(request.output);
    if (target.kind == OutputName::Kind::unusable) {
        return refused(filled(wording(texts::errOutput), {request.output, target.reason}));
    }
    std::string output;
    if (!request.lessons.empty()) {
        auto lessons = readLessons(request.lessons, wording);
        if (const auto* line = std::get_if<std::string>(&lessons)) {
            return refused(*line);
        }
        output = cli::lessonsOutput(request, std::get<std::vector<NamedLesson>>(lessons), wording);
    } else if (!request.from.empty()) {
        auto saved = readSaved(request.from, wording);
        if (const auto* reason = std::get_if<std::string>(&saved)) {
            return refused(filled(wording(texts::errFromRead), {request.from, *reason}));
        }
        output = cli::savedRunOutput(request, std::get<SavedRun>(saved), wording);
    } else if (request.exact) {
        output = cli::exactOutput(request, wording);
    } else {
        cli::ProgressLine progress(request.quiet || !standardErrorIsTerminal() ? nullptr : stderr,
                                   request.rows, wording);
        const cli::Drawn drawn =
            cli::drawRows(request, [&progress](std::int64_t rows) { progress.update(rows); });
        progress.finish();
        output = cli::runOutput(request, drawn, wording);
    }
    if (const std::string failed = write(output, request, target.kind, wording); !failed.empty()) {
        std::fprintf(stderr, "zarno-cli: %s\n", failed.c_str());
        return 1;
    }
    return interrupted() ? 130 : 0;
}

// zarno-cli: draws a series without a window and writes what the chart window shows, for people
// or for programs.
#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

#include "cli/Drawing.h"
#include "cli/Options.h"
#include "cli/Output.h"
#include "cli/ProgressLine.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/Console.h"
#include "platform/FileLimits.h"
#include "platform/qt/FileWriting.h"
#include "platform/qt/Translations.h"

int main(int argc, char** argv) {
    using namespace zarno;
    reportWritesPastFileLimits();
    watchInterrupts();  // before anything, so that no Ctrl+C ends the program without its tables
    const QCoreApplication application(argc, argv);  // for the translations
    const Translations translations(chooseLanguage(QLocale::system().uiLanguages()), texts::all);
    const Wording wording(decimalSeparatorOf(QLocale()), translated);

    const cli::Parsed parsed = cli::parseCommandLine(argc, argv, wording);
    if (!parsed.request) {
        std::fputs(parsed.out.c_str(), stdout);
        if (!parsed.error.empty()) {
            std::fprintf(stderr, "zarno-cli: %s\n", parsed.error.c_str());
        }
        return parsed.status;
    }
    const cli::Request& request = *parsed.request;
    std::string output;
    bool interruptedRun = false;
    if (request.exact) {
        output = cli::exactOutput(request, wording);
    } else {
        cli::ProgressLine progress(request.quiet || !standardErrorIsTerminal() ? nullptr : stderr,
                                   request.rows, wording);
        const cli::Drawn drawn =
            cli::drawRows(request, [&progress](std::int64_t rows) { progress.update(rows); });
        progress.finish();
        interruptedRun = drawn.interrupted;
        output = cli::runOutput(request, drawn, wording);
    }
    if (request.output.empty()) {
        useBinaryStandardOutput();
        std::fwrite(output.data(), 1, output.size(), stdout);
    } else {
        const QString file = QString::fromLocal8Bit(request.output.c_str());
        const QString reason =
            writeWholeFile(file, QByteArray(output.data(), static_cast<qsizetype>(output.size())));
        if (!reason.isEmpty()) {
            std::fprintf(
                stderr, "zarno-cli: %s\n",
                filled(wording(texts::errOutput), {request.output, reason.toStdString()}).c_str());
            return 1;
        }
    }
    return interruptedRun ? 130 : 0;
}

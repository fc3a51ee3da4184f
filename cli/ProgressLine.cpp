#include "cli/ProgressLine.h"

#include <string>

#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

namespace zarno::cli {
namespace {

constexpr auto interval = std::chrono::milliseconds(100);
constexpr int barWidth = 20;

}  // namespace

ProgressLine::ProgressLine(std::FILE* terminal, std::int64_t target, const Wording& wording)
    : terminal_(terminal),
      target_(target),
      wording_(wording),
      started_(std::chrono::steady_clock::now()) {}

void ProgressLine::update(std::int64_t rows) {
    const auto now = std::chrono::steady_clock::now();
    if (!terminal_ || now - written_ < interval) {
        return;
    }
    written_ = now;
    any_ = true;
    const double seconds = std::chrono::duration<double>(now - started_).count();
    const double perSecond = seconds > 0 ? static_cast<double>(rows) / seconds : 0;
    const double done = static_cast<double>(rows) / static_cast<double>(target_);
    const char separator = wording_.separator();
    std::string line = "\r[";
    const auto filledTo = static_cast<int>(done * barWidth);
    line.append(static_cast<std::size_t>(filledTo), '#');
    line.append(static_cast<std::size_t>(barWidth - filledTo), '.');
    line.append("] ");
    appendFormatted(line, rows, rowCounterPattern, separator);
    line.append(" ").append(wording_(texts::progressRows)).append(", ");
    appendFormatted(line, perSecond, rowCounterPattern, separator);
    line.append(" ").append(wording_(texts::progressSpeed));
    if (perSecond > 0) {
        const auto left =
            static_cast<std::int64_t>(static_cast<double>(target_ - rows) / perSecond);
        line.append(", ").append(std::to_string(left / 60)).append(":");
        line.append(left % 60 < 10 ? "0" : "").append(std::to_string(left % 60));
        line.append(" ").append(wording_(texts::progressLeft));
    }
    line.append("   ");  // over the end of a longer line before
    std::fputs(line.c_str(), terminal_);
    std::fflush(terminal_);
}

void ProgressLine::finish() {
    if (terminal_ && any_) {
        std::fputc('\n', terminal_);
    }
}

}  // namespace zarno::cli

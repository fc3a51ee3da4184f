// The reader of saved runs with arbitrary bytes: it never crashes, and what it accepts is a run
// whose figures add up, which it writes again to the same bytes.
#include <cstdint>
#include <numeric>
#include <string_view>

#include "core/chart/TableText.h"
#include "core/document/RunDocument.h"
#include "fuzz/FuzzCheck.h"

using namespace zarno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = readRunDocument(text);
    const auto* run = std::get_if<SavedRun>(&read);
    if (!run) {
        return 0;
    }
    const SeriesRecord& record = run->record;
    FUZZ_CHECK(isLevel(run->play.level));
    FUZZ_CHECK(std::accumulate(record.hits().begin(), record.hits().end(), std::int64_t{0}) ==
               record.rows());
    // Shown in a window, its tables have a cell under every heading.
    const int level = run->play.level;
    for (const tables::DataTable& data :
         {tables::payoutData(record, level), tables::hitsData(record, level),
          tables::playersData(record, level, nullptr)}) {
        const Table table = textOf(data, Wording('.'));
        for (const auto& line : table.rows) {
            FUZZ_CHECK(line.size() == table.headers.size());
        }
    }
    // Written again, it reads back, and that it writes again to the same bytes.
    const std::string written = runDocument(*run);
    const auto again = readRunDocument(written);
    FUZZ_CHECK(std::holds_alternative<SavedRun>(again));
    FUZZ_CHECK(runDocument(std::get<SavedRun>(again)) == written);
    return 0;
}

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/series/SeriesRecord.h"
#include "core/tables/TableData.h"
#include "core/text/Wording.h"

namespace zarno {

// A table as text: what the window shows, a screen reader reads and the clipboard takes.
struct Table {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// The table's headers in the user's language and its figures as each column writes them; a
// figure that is none is a blank.
Table textOf(const tables::DataTable& table, const Wording& wording);

// Where the budget's players start, when the budget was set during the run; empty otherwise.
std::string budgetFromText(const SeriesRecord& record, const Wording& wording);
// What the game keeps of the stakes at the level, exactly, and in the record once it has rows.
std::string keptText(const SeriesRecord& record, int level, const Wording& wording);

// A row's numbers in the order drawn, apart by spaces.
std::string spaced(const tables::Numbers& numbers);

// Four significant digits; below 10^-4 a mantissa and a power of ten ("6.218e-53").
void appendSignificant(std::string& out, double value, char separator);

}  // namespace zarno

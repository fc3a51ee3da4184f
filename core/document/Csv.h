#pragma once

#include <string>

#include "core/tables/TableData.h"

namespace zarno {

// A table as CSV (RFC 4180): a line of its keys, then a line a row, the fields apart by commas
// and every line ended by CR LF; numbers in C notation, each as short as reads back the same, and
// a figure that is missing, or known only to lie beyond a count, an empty field; a row's numbers
// apart by spaces; a text in quotes where it holds a comma, a quote or a line end.
std::string csvOf(const tables::DataTable& table);

}  // namespace zarno

#include "core/document/Csv.h"

#include <charconv>

namespace zarno {
namespace {

void appendCell(std::string& out, const tables::Cell& cell) {
    char text[32];
    std::to_chars_result written{text, {}};
    if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
        written = std::to_chars(text, text + sizeof text, *whole);
    } else if (const auto* real = std::get_if<double>(&cell)) {
        written = std::to_chars(text, text + sizeof text, *real);
    } else if (const auto* words = std::get_if<tables::Text>(&cell)) {
        // Quoted where a comma, a quote or a line end would else end the field.
        if (words->text.find_first_of(",\"\r\n") == std::string::npos) {
            out.append(words->text);
        } else {
            out.push_back('"');
            for (const char c : words->text) {
                out.append(c == '"' ? "\"\"" : std::string(1, c));
            }
            out.push_back('"');
        }
    } else if (const auto* numbers = std::get_if<tables::Numbers>(&cell)) {
        for (std::size_t i = 0; i < numbers->drawn.size(); ++i) {
            out.append(i > 0 ? " " : "").append(std::to_string(numbers->drawn[i]));
        }
    }
    out.append(text, written.ptr);
}

}  // namespace

std::string csvOf(const tables::DataTable& table) {
    std::string out;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        out.append(c > 0 ? "," : "").append(table.columns[c].key);
    }
    out.append("\r\n");
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                out.push_back(',');
            }
            appendCell(out, row[c]);
        }
        out.append("\r\n");
    }
    return out;
}

}  // namespace zarno

#pragma once

// Comma-separated values as spreadsheets write them: a field that holds a
// comma, a double quote or a line end is quoted, its quotes doubled; rows end
// in CR LF, or LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trellwick::cli {

// The fields as one row, with CR LF.
std::string csv_row(const std::vector<std::string>& fields);

struct CsvRow {
    std::size_t number = 0; // as a spreadsheet counts them, the first row 1
    std::vector<std::string> fields;
};

struct CsvTable {
    std::vector<CsvRow> rows; // without empty lines
    std::string error;        // a quote that isn't closed, or text after one
};

// The rows of `text`; a byte-order mark in front is passed over.
CsvTable read_csv(std::string_view text);

} // namespace trellwick::cli

#include "cli/csv.h"

namespace trellwick::cli {

std::string csv_row(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        row += i == 0 ? "" : ",";
        // A row of one empty field is quoted, to stay apart from an empty
        // line, and so is a field that starts like a byte-order mark.
        const bool alone_empty = fields.size() == 1 && field.empty();
        if (!alone_empty && !field.starts_with("\xEF\xBB\xBF") &&
            field.find_first_of(",\"\r\n") == std::string::npos) {
            row += field;
            continue;
        }
        row += '"';
        for (const char c : field)
            row += c == '"' ? std::string("\"\"") : std::string(1, c);
        row += '"';
    }
    return row + "\r\n";
}

CsvTable read_csv(std::string_view text) {
    CsvTable table;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    CsvRow row{1, {}};
    std::string field;
    bool field_start = true; // nothing of the field read yet
    bool quoted = false;     // the row holds a quoted field
    const auto end_row = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        const bool empty = row.fields.size() == 1 && row.fields[0].empty() && !quoted;
        const std::size_t next = row.number + 1;
        if (!empty)
            table.rows.push_back(std::move(row));
        row = {next, {}};
        quoted = false;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"' && field_start) {
            // A quoted field, up to the quote that no second quote follows.
            for (++at;; ++at) {
                if (at == text.size()) {
                    table.error = "the quote that opens a field of row " +
                                  std::to_string(row.number) + " is never closed";
                    return table;
                }
                if (text[at] == '"' && (at + 1 == text.size() || text[at + 1] != '"'))
                    break;
                at += text[at] == '"'; // a doubled quote stands for one
                field += text[at];
            }
            quoted = true;
            field_start = false;
            const char next = at + 1 < text.size() ? text[at + 1] : ',';
            if (next != ',' && next != '\r' && next != '\n') {
                table.error =
                    "row " + std::to_string(row.number) + " holds text after a closing quote";
                return table;
            }
        } else if (c == ',') {
            row.fields.push_back(std::move(field));
            field.clear();
            field_start = true;
        } else if (c == '\r' || c == '\n') {
            at += c == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
            end_row();
            field_start = true;
        } else {
            field += c;
            field_start = false;
        }
    }
    if (!field_start || !row.fields.empty())
        end_row();
    return table;
}

} // namespace trellwick::cli

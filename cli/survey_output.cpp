#include "cli/survey_output.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace trellwick::cli {
namespace {

// The placeholders of the user parameters used, "%6" to "%9".
std::vector<std::string> used_placeholders(const MacroReport& report) {
    std::vector<std::string> used;
    for (std::size_t i = 0; i < report.user_parameters.size(); ++i)
        if (report.user_parameters[i])
            used.push_back("%" + std::to_string(i + 6));
    return used;
}

std::string parameters(const MacroReport& report) {
    std::string text;
    for (const std::string& placeholder : used_placeholders(report))
        text.append(text.empty() ? "" : " ").append(placeholder);
    return text.empty() ? "-" : text;
}

std::string summary(const std::vector<MacroReport>& reports) {
    const auto failing = std::count_if(reports.begin(), reports.end(),
                                       [](const MacroReport& r) { return !r.errors.empty(); });
    const auto warned = std::count_if(reports.begin(), reports.end(),
                                      [](const MacroReport& r) { return !r.warnings.empty(); });
    return std::to_string(reports.size() - static_cast<std::size_t>(failing)) + " of " +
           std::to_string(reports.size()) + " macros would convert, " + std::to_string(failing) +
           " would fail; " + std::to_string(warned) + " with a warning";
}

// A JSON string, escaped.
std::string json(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string json_list(const std::vector<std::string>& texts) {
    std::string list = "[";
    for (const std::string& text : texts)
        list += (list.size() > 1 ? ", " : "") + json(text);
    return list + "]";
}

} // namespace

void print_survey_table(const std::vector<MacroReport>& reports, std::ostream& out) {
    const std::array<std::string, 5> headings = {"MACRO", "PARAMETERS", "SIZE", "LINES",
                                                 "SCM FILE"};
    std::vector<std::array<std::string, 5>> rows;
    for (const MacroReport& report : reports)
        rows.push_back({report.label, report.read ? parameters(report) : "?",
                        report.read ? report.size_form : "?",
                        report.read ? std::to_string(report.lines) : "?", report.scm});
    std::array<std::size_t, 5> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = headings[c].size();
        for (const auto& row : rows)
            widths[c] = std::max(widths[c], row[c].size());
    }
    const auto print_row = [&](const std::array<std::string, 5>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line +=
                row[c] + std::string(c + 1 < row.size() ? widths[c] - row[c].size() + 2 : 0, ' ');
        out << line << '\n';
    };
    print_row(headings);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        print_row(rows[i]);
        for (const std::string& warning : reports[i].warnings)
            out << "    warning: " << warning << '\n';
        for (const std::string& error : reports[i].errors)
            out << "    error: " << error << '\n';
    }
    out << summary(reports) << '\n';
}

void print_survey_json(const std::vector<MacroReport>& reports, std::ostream& out) {
    out << "{\n  \"macros\": [";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const MacroReport& r = reports[i];
        out << (i == 0 ? "\n" : ",\n") << "    {\"label\": " << json(r.label)
            << ", \"api\": " << json(r.api) << ", \"scm\": " << json(r.scm)
            << ", \"read\": " << (r.read ? "true" : "false")
            << ", \"user_parameters\": " << json_list(used_placeholders(r))
            << ", \"size\": {\"form\": " << json(r.size_form) << ", \"line\": " << json(r.size_line)
            << ", \"fallback_reason\": " << json(r.fallback_reason) << "}, \"lines\": " << r.lines
            << ", \"name\": " << json(r.name) << ", \"bitmap\": " << json(r.bitmap)
            << ", \"warnings\": " << json_list(r.warnings)
            << ", \"errors\": " << json_list(r.errors)
            << ", \"converts\": " << (r.errors.empty() ? "true" : "false") << "}";
    }
    out << "\n  ],\n  \"summary\": " << json(summary(reports)) << "\n}\n";
}

} // namespace trellwick::cli

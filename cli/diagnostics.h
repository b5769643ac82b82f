#pragma once

// What trellwick-convert tells on stderr: "trellwick-convert: FILE: problem",
// warnings marked as such, and the batch's progress and summary lines.

#include <ostream>
#include <string_view>

namespace trellwick::cli {

class Diagnostics {
public:
    explicit Diagnostics(std::ostream& err) : err_(err) {}

    void error(std::string_view subject, std::string_view problem);
    void warning(std::string_view subject, std::string_view problem);
    // A line about the whole run: "trellwick-convert: text".
    void note(std::string_view text);
    // A line as it is, without the program's name.
    void line(std::string_view text);

private:
    std::ostream& err_;
};

} // namespace trellwick::cli

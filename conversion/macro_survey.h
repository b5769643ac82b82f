#pragma once

// What a conversion must know of the whole macro before it writes the SCM
// file: the extent, the placeholders that the code uses, the reference
// point's scale, and the line and byte counts. It reads the work file's
// lines, or an API macro's lines renamed as they are read, which are the
// same lines.

#include "extent.h"
#include "placeholder_usage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace trellwick {

class LineReader;

// How much of the macro was read: a second reading must find the same.
struct MacroSize {
    std::size_t lines = 0;
    std::size_t bytes = 0; // without the line ends

    void add(std::string_view line) {
        ++lines;
        bytes += line.size();
    }
    friend bool operator==(const MacroSize&, const MacroSize&) = default;
};

class MacroSurvey {
public:
    explicit MacroSurvey(const NumericLocale& locale) : locale_(locale), measurement_(locale) {}

    void add_line(std::string_view line);
    // Adds every line of `lines` to its end; an empty text, or what went wrong.
    std::string read(LineReader& lines);

    const PlaceholderUsage& usage() const { return usage_; }
    const MacroSize& size() const { return size_; }
    // The 10 by 10 fallback when a point list can't be measured.
    Extent extent() const { return measurement_.finish(); }

    struct SizeLine {
        std::string line;  // line 3 of the SCM file
        std::string error; // otherwise why it can't be written
    };
    // Line 3 for `extent`; `source` names the macro in a message.
    SizeLine size_line(const Extent& extent, std::string_view source) const;

private:
    NumericLocale locale_;
    ExtentMeasurement measurement_;
    ReferenceScale reference_;
    PlaceholderUsage usage_;
    MacroSize size_;
};

} // namespace trellwick

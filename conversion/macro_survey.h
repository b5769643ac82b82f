#pragma once

// What a conversion must know of the whole macro before it writes the SCM
// file: the extent, the placeholders that the code uses, the reference
// point's scale, and the line and byte counts. The window surveys the work
// file; the command line surveys the API macro's lines as they would be
// renamed.

#include "conversion_form.h"
#include "extent.h"
#include "placeholder_usage.h"

#include <string>
#include <string_view>

namespace trellwick {

class LineReader;

class MacroSurvey {
public:
    explicit MacroSurvey(const NumericLocale& locale) : locale_(locale), measurement_(locale) {}

    // Reads `source` to its end; an empty text, or what went wrong.
    std::string read(LineReader& source, MacroLines lines);

    const PlaceholderUsage& usage() const { return usage_; }
    const WorkFileSize& size() const { return size_; }
    // The 10 by 10 fallback when a point list can't be measured.
    Extent extent() const { return measurement_.finish(false); }

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
    WorkFileSize size_;
    bool api_lines_ = false; // the reference point line kept is an API line
};

} // namespace trellwick

#pragma once

// The object's extent from the macro's point lists, the reference point's
// scale, and the size line (line 3) of the SCM file that they give.

#include "numeric_locale.h"
#include "point_line.h"
#include "renaming.h"

#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

struct Extent {
    float length = 0;       // largest minus smallest first coordinate
    float width = 0;        // largest minus smallest third coordinate
    bool fell_back = false; // a point list could not be measured: 10 by 10
};

// Measures all point lists of a macro together, fed the macro's lines in
// pieces. The box always holds the origin. A point list that can't be measured
// (the file ends inside it, a point line without a blank, a coordinate that is
// no number) gives the 10 by 10 fallback.
class ExtentMeasurement {
public:
    explicit ExtentMeasurement(const NumericLocale& locale) : locale_(locale) {}
    // The macro's next lines, each ending in CR LF; an API macro's point lines
    // are read renamed.
    void add_lines(std::string_view lines, MacroLines kind);
    // Takes in the lines that follow, given `next`, those lines measured on
    // their own as if no point list were open before them. That holds from
    // their first line with "Points(" on, unless a list is still open there:
    // they are then measured on from here.
    void join(const ExtentMeasurement& next, std::string_view lines, MacroLines kind);
    // The extent once every line was added; the fallback after a read error.
    Extent finish(bool read_failed) const;

private:
    void add_point(const PointFields& fields);

    // The smallest and largest first and third coordinates; all start at 0,
    // so the box always holds the origin.
    struct Limits {
        float min_x = 0;
        float max_x = 0;
        float min_z = 0;
        float max_z = 0;
    };

    NumericLocale locale_;
    Limits limits_;
    bool in_list_ = false;
    bool failed_ = false;
    std::string renamed_;
};

// The scale text of one line that holds "RefPoint(": the word after the ":"
// label, which must be followed by at least one more word. Nothing when the
// line has no such word.
std::optional<std::string> scale_word(std::string_view line);

struct Scale {
    std::optional<float> value; // set on success
    std::string problem;        // otherwise why the scale could not be read
};

// The scale of the last line that holds "RefPoint(", fed the macro's lines in
// pieces.
class ReferenceScale {
public:
    // The next lines, one line or lines each ending in CR LF.
    void add_lines(std::string_view lines);
    // The scale once every line was added.
    Scale finish(const NumericLocale& locale) const;
    // The last line that holds "RefPoint(", if any.
    const std::optional<std::string>& last_line() const { return last_refpoint_; }

private:
    std::optional<std::string> last_refpoint_;
};

// ";FixedLength= L , FixedWidth= W , autoscale \" with the locale's separator.
std::string autoscale_size_line(const Extent& extent, const NumericLocale& locale);
// ";FixedLength=sL, FixedWidth=sW \" with points as decimal separators;
// nothing when a scaled value is too large for single precision.
std::optional<std::string> fixed_size_line(const Extent& extent, float scale,
                                           const NumericLocale& locale);

} // namespace trellwick

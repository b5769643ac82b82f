#pragma once

// The object's extent from the macro's point lists, the reference point's
// scale, and the size line (line 3) of the SCM file that they give.

#include "numeric_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

class LineReader;

struct Extent {
    float length = 0;       // largest minus smallest first coordinate
    float width = 0;        // largest minus smallest third coordinate
    bool fell_back = false; // a point list could not be measured: 10 by 10
};

// Reads the work file to its end and measures all its point lists together.
// The box always holds the origin. A point list that can't be measured (the
// file ends inside it, a point line without a blank, a coordinate that is no
// number) gives the 10 by 10 fallback.
Extent measure_extent(LineReader& work, const NumericLocale& locale);

// The same measurement fed one line at a time, so that one pass over the work
// file can serve it together with the placeholder scan and the scale.
class ExtentMeasurement {
public:
    explicit ExtentMeasurement(const NumericLocale& locale) : locale_(locale) {}
    // The work file's next line.
    void add_line(std::string_view line);
    // The extent once every line was added; the fallback after a read error.
    Extent finish(bool read_failed) const;
    // Whether the next line is read as a point line.
    bool in_point_list() const { return in_list_ && !failed_; }

private:
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
};

// The scale text of one line that holds "RefPoint(": the word after the ":"
// label, which must be followed by at least one more word. Nothing when the
// line has no such word.
std::optional<std::string> scale_word(std::string_view line);

struct Scale {
    std::optional<float> value; // set on success
    std::string problem;        // otherwise why the scale could not be read
};

// Reads the work file to its end and takes the scale of its last "RefPoint("
// line.
Scale read_reference_scale(LineReader& work, const NumericLocale& locale);

// The same fed one line at a time.
class ReferenceScale {
public:
    void add_line(std::string_view line);
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

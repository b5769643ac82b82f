#pragma once

// The object's extent from the macro's point lists, the reference point's
// scale, and the size line (line 3) of the SCM file that they give.

#include "numeric_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

struct Extent {
    float length = 0;       // largest minus smallest first coordinate
    float width = 0;        // largest minus smallest third coordinate
    bool fell_back = false; // a point list could not be measured: 10 by 10
    std::string problem;    // then why, naming the line
};

// Measures all point lists of a macro together, fed the work file's lines one
// at a time. A point list that can't be measured (the file ends inside it, a
// point line without a blank, a coordinate that is no number) gives the 10 by
// 10 fallback.
class ExtentMeasurement {
public:
    explicit ExtentMeasurement(const NumericLocale& locale) : locale_(locale) {}
    void add_line(std::string_view line);
    // The extent once every line was added.
    Extent finish() const;

private:
    void fail(std::string problem);

    NumericLocale locale_;
    std::size_t lines_ = 0;
    std::size_t list_start_ = 0; // the line of the open list's "Points("
    std::string problem_;        // why the measurement failed
    // The smallest and largest first and third coordinates; all start at 0,
    // so the box always holds the origin.
    float min_x_ = 0;
    float max_x_ = 0;
    float min_z_ = 0;
    float max_z_ = 0;
    bool in_list_ = false;
};

// The scale text of one line that holds "RefPoint(": the word after the ":"
// label, which must be followed by at least one more word. Nothing when the
// line has no such word.
std::optional<std::string> scale_word(std::string_view line);

struct Scale {
    std::optional<float> value; // set on success
    std::string problem;        // otherwise why the scale could not be read
};

// The scale of the last line that holds "RefPoint(", fed the work file's lines
// one at a time.
class ReferenceScale {
public:
    void add_line(std::string_view line);
    // The scale once every line was added.
    Scale finish(const NumericLocale& locale) const;

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

#include "extent.h"

#include "code_page_text.h"
#include "number_text.h"
#include "text_file.h"

#include <algorithm>
#include <cmath>

namespace trellwick {
namespace {

// Blanks are spaces only; a tab is an ordinary character here.
std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Text from the first blank on, trimmed; the whole text when it has no blank.
std::string_view after_first_field(std::string_view text) {
    const auto blank = text.find(' ');
    return blank == std::string_view::npos ? text : trim(text.substr(blank));
}

// A point whose third field holds ")" is the list's last.
enum class PointLine { Point, LastPoint, Skip, EndOfList, Failure };

// One line of a point list, trimmed; its point into x and z.
PointLine read_point_line(std::string_view line, const NumericLocale& locale, float& x_out,
                          float& z_out) {
    line = trim(line);
    if (line.starts_with(')'))
        return PointLine::EndOfList;
    if (line.empty() || line.starts_with(';'))
        return PointLine::Skip;
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos)
        return PointLine::Failure;
    const std::string_view first = trim(line.substr(0, blank));
    const std::string_view rest = trim(line.substr(blank));
    const std::string_view third_text = after_first_field(rest);
    const std::string_view third = third_text.substr(0, third_text.find(' '));
    const auto x = parse_number(first, locale);
    const auto z = parse_number(third, locale);
    if (!x || !z)
        return PointLine::Failure;
    x_out = *x;
    z_out = *z;
    return third_text.find(')') == std::string_view::npos ? PointLine::Point : PointLine::LastPoint;
}

} // namespace

void ExtentMeasurement::add_line(std::string_view line) {
    if (failed_)
        return;
    if (!in_list_) {
        // Whatever else the "Points(" line holds is not read as a point.
        in_list_ = line.find("Points(") != std::string_view::npos;
        return;
    }
    float x = 0;
    float z = 0;
    const PointLine kind = read_point_line(line, locale_, x, z);
    switch (kind) {
    case PointLine::Failure:
        failed_ = true;
        break;
    case PointLine::EndOfList:
        in_list_ = false;
        break;
    case PointLine::Skip:
        break;
    case PointLine::Point:
    case PointLine::LastPoint:
        limits_.max_x = std::max(limits_.max_x, x);
        limits_.max_z = std::max(limits_.max_z, z);
        limits_.min_x = std::min(limits_.min_x, x);
        limits_.min_z = std::min(limits_.min_z, z);
        in_list_ = kind == PointLine::Point;
        break;
    }
}

Extent ExtentMeasurement::finish(bool read_failed) const {
    constexpr Extent kFallback{10, 10, true};
    // A point list still open at the end of the file can't be measured.
    if (failed_ || in_list_ || read_failed)
        return kFallback;
    const Extent extent{limits_.max_x - limits_.min_x, limits_.max_z - limits_.min_z, false};
    if (!std::isfinite(extent.length) || !std::isfinite(extent.width))
        return kFallback;
    return extent;
}

Extent measure_extent(LineReader& work, const NumericLocale& locale) {
    ExtentMeasurement measurement(locale);
    std::string_view line;
    while (work.read_line(line))
        measurement.add_line(line);
    return measurement.finish(work.failed());
}

std::optional<std::string> scale_word(std::string_view line) {
    // The label part runs from the first ":" and leaves out the line's last
    // character; the value part from the label's first blank and leaves out
    // the label part's last character.
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view label = line.substr(colon, line.size() - 1 - colon);
    const auto blank = label.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view value = trim(label.substr(blank, label.size() - 1 - blank));
    const auto word_end = value.find(' ');
    if (word_end == std::string_view::npos)
        return std::nullopt;
    return std::string(trim(value.substr(0, word_end + 1)));
}

void ReferenceScale::add_line(std::string_view line) {
    if (line.find("RefPoint(") == std::string_view::npos)
        return;
    if (last_refpoint_)
        last_refpoint_->assign(line);
    else
        last_refpoint_.emplace(line);
}

Scale ReferenceScale::finish(const NumericLocale& locale) const {
    if (!last_refpoint_)
        return {std::nullopt, "no line holds \"RefPoint(\""};
    const auto word = scale_word(*last_refpoint_);
    if (!word)
        return {std::nullopt, "the reference point line has no scale followed by another word: " +
                                  code_page_to_utf8(*last_refpoint_)};
    const auto scale = parse_number(*word, locale);
    if (!scale)
        return {std::nullopt, "the scale \"" + code_page_to_utf8(*word) +
                                  "\" of the reference point is not a number"};
    return {scale, {}};
}

Scale read_reference_scale(LineReader& work, const NumericLocale& locale) {
    ReferenceScale reference;
    std::string_view line;
    while (work.read_line(line))
        reference.add_line(line);
    if (work.failed())
        return {std::nullopt, work.error()};
    return reference.finish(locale);
}

std::string autoscale_size_line(const Extent& extent, const NumericLocale& locale) {
    return ";FixedLength=" + print_form(extent.length, locale) +
           ", FixedWidth=" + print_form(extent.width, locale) + ", autoscale \\";
}

std::optional<std::string> fixed_size_line(const Extent& extent, float scale,
                                           const NumericLocale& locale) {
    const float length = scale * extent.length;
    const float width = scale * extent.width;
    if (!std::isfinite(length) || !std::isfinite(width))
        return std::nullopt;
    auto with_points = [&](float value) {
        std::string text = number_text(value, locale);
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    };
    return ";FixedLength=" + with_points(length) + ", FixedWidth=" + with_points(width) + " \\";
}

} // namespace trellwick

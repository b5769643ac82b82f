#include "extent.h"

#include "files/code_page_text.h"
#include "number_text.h"
#include "point_line.h"

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

// Widens [low, high] to hold the coordinate; false when it is no number or
// too large.
bool take_in(std::string_view coordinate, const NumericLocale& locale, float& low, float& high) {
    const auto value = parse_number(coordinate, locale);
    if (!value)
        return false;
    low = std::min(low, *value);
    high = std::max(high, *value);
    return true;
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
    const PointFields fields = read_point_line(line);
    switch (fields.kind) {
    case PointLine::Skip:
        return;
    case PointLine::EndOfList:
        in_list_ = false;
        return;
    case PointLine::Failure:
        failed_ = true;
        return;
    case PointLine::Point:
    case PointLine::LastPoint:
        failed_ = !take_in(fields.x, locale_, min_x_, max_x_) ||
                  !take_in(fields.z, locale_, min_z_, max_z_);
        in_list_ = fields.kind == PointLine::Point;
        return;
    }
}

Extent ExtentMeasurement::finish() const {
    constexpr Extent kFallback{10, 10, true};
    // A point list still open at the end of the file can't be measured.
    if (failed_ || in_list_)
        return kFallback;
    const Extent extent{max_x_ - min_x_, max_z_ - min_z_, false};
    if (!std::isfinite(extent.length) || !std::isfinite(extent.width))
        return kFallback;
    return extent;
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

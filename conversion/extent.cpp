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

// A piece of the macro quoted in a message, cut short when it is long.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    return "\"" + code_page_to_utf8(text.substr(0, kShown)) +
           (text.size() > kShown ? "...\"" : "\"");
}

} // namespace

void ExtentMeasurement::fail(std::string problem) {
    problem_ = "line " + std::to_string(lines_) + ": " + std::move(problem);
}

void ExtentMeasurement::add_line(std::string_view line) {
    ++lines_;
    if (!problem_.empty())
        return;
    if (!in_list_) {
        // Whatever else the "Points(" line holds is not read as a point.
        in_list_ = line.find("Points(") != std::string_view::npos;
        list_start_ = lines_;
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
        fail("a point line with a single field, " + quoted(line));
        return;
    case PointLine::Point:
    case PointLine::LastPoint:
        if (!take_in(fields.x, locale_, min_x_, max_x_))
            fail("the coordinate " + quoted(fields.x) + " is no number, or too large");
        else if (!take_in(fields.z, locale_, min_z_, max_z_))
            fail("the coordinate " + quoted(fields.z) + " is no number, or too large");
        in_list_ = fields.kind == PointLine::Point;
        return;
    }
}

Extent ExtentMeasurement::finish() const {
    const auto fallback = [](std::string problem) {
        return Extent{10, 10, true, std::move(problem)};
    };
    if (!problem_.empty())
        return fallback(problem_);
    if (in_list_)
        return fallback("the point list of line " + std::to_string(list_start_) + " has no end");
    const Extent extent{max_x_ - min_x_, max_z_ - min_z_, false, {}};
    if (!std::isfinite(extent.length) || !std::isfinite(extent.width))
        return fallback("the size is too large");
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

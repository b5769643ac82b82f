#include "extent.h"

#include "byte_finder.h"
#include "code_page_text.h"
#include "number_text.h"
#include "point_line.h"
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

// Widens [low, high] to hold the coordinate; false when it is no number or
// too large.
bool take_in(const Coordinate& coordinate, const NumericLocale& locale, float& low, float& high) {
    if (plainly_within(coordinate, low, high))
        return true;
    const auto value = parse_number(coordinate.text, locale);
    if (!value)
        return false;
    low = std::min(low, *value);
    high = std::max(high, *value);
    return true;
}

} // namespace

void ExtentMeasurement::add_lines(std::string_view lines, MacroLines kind) {
    // The next "%" at or after a point line: one that holds none needs no
    // renaming.
    std::size_t percent = kind == MacroLines::Numbered ? lines.find('%') : std::string_view::npos;
    std::size_t at = 0;
    while (!failed_ && at < lines.size()) {
        if (!in_list_) {
            // Whatever else the "Points(" line holds is not read as a point.
            const auto start = lines.find("Points(", at);
            if (start == std::string_view::npos)
                return;
            in_list_ = true;
            at = end_of_line(lines, start) + 2;
        } else {
            PointFields fields;
            std::size_t end = 0;
            if (!read_point_line_at(lines, at, fields, end)) {
                end = end_of_line(lines, at);
                fields = read_point_line(lines.substr(at, end - at));
            }
            if (percent < at)
                percent = lines.find('%', at);
            if (percent < end)
                fields = read_point_line(renamed_line(lines.substr(at, end - at), renamed_));
            add_point(fields);
            at = end + 2;
        }
    }
}

void ExtentMeasurement::join(const ExtentMeasurement& next, std::string_view lines,
                             MacroLines kind) {
    // With a list open, the lines before the first with "Points(" are measured
    // on from here (npos + 1 is 0: that line is the first).
    std::size_t head = 0;
    if (in_list_) {
        const auto points = lines.find("Points(");
        head = points == std::string_view::npos ? lines.size() : lines.rfind('\n', points) + 1;
        add_lines(lines.substr(0, head), kind);
    }
    if (in_list_ || failed_) {
        add_lines(lines.substr(head), kind);
        return;
    }
    limits_.min_x = std::min(limits_.min_x, next.limits_.min_x);
    limits_.max_x = std::max(limits_.max_x, next.limits_.max_x);
    limits_.min_z = std::min(limits_.min_z, next.limits_.min_z);
    limits_.max_z = std::max(limits_.max_z, next.limits_.max_z);
    failed_ = next.failed_;
    in_list_ = next.in_list_;
}

void ExtentMeasurement::add_point(const PointFields& fields) {
    if (fields.kind == PointLine::Failure) {
        failed_ = true;
    } else if (fields.kind == PointLine::EndOfList) {
        in_list_ = false;
    } else if (fields.kind != PointLine::Skip) {
        failed_ = !take_in(fields.x, locale_, limits_.min_x, limits_.max_x) ||
                  !take_in(fields.z, locale_, limits_.min_z, limits_.max_z);
        in_list_ = fields.kind == PointLine::Point;
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

void ReferenceScale::add_lines(std::string_view lines) {
    const auto last = last_place_of(lines, "RefPoint(");
    if (last == std::string_view::npos)
        return;
    const auto newline = lines.rfind('\n', last);
    const std::size_t start = newline == std::string_view::npos ? 0 : newline + 1;
    const std::string_view line = lines.substr(start, end_of_line(lines, last) - start);
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

#pragma once

// One line of a point list: its first and third fields, the coordinates that
// the extent measures, and what else the line says about the list.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trellwick {

// A point whose third field holds ")" is the list's last.
enum class PointLine { Point, LastPoint, Skip, EndOfList, Failure };

// A coordinate's text and, when it is a plain decimal (an optional "-", one to
// nine digits, and optionally "." with more digits), its whole part.
struct Coordinate {
    std::string_view text;
    bool plain = false;
    bool negative = false;
    std::uint32_t whole = 0;
};

// The coordinate that `text` is, read plainly.
Coordinate coordinate(std::string_view text);

// Whether the coordinate plainly lies within [low, high], so that reading it
// exactly can't move either limit: a plain decimal lies between its whole
// part and the next whole number, and so does the float nearest to it.
bool plainly_within(const Coordinate& coordinate, float low, float high);

struct PointFields {
    PointLine kind = PointLine::Skip;
    Coordinate x; // the first field, for a point
    Coordinate z; // the third field, or the second when the line has two
};

// The line as it is defined: fields are runs of characters other than the
// blank; a line without fields, or whose first starts with ";", is skipped; a
// first field that starts with ")" ends the list; one field alone can't be
// measured.
PointFields read_point_line(std::string_view line);

// The same for the line that starts at `at` in `lines` (lines that each end
// in CR LF), and where it ends, at its CR LF. It looks at 64 bytes at once,
// and at eight from the start of each field, so it takes only a line that
// ends within 64 bytes, with 72 bytes of `lines` from its start; false, and
// nothing read, otherwise.
bool read_point_line_at(std::string_view lines, std::size_t at, PointFields& fields,
                        std::size_t& end);

} // namespace trellwick

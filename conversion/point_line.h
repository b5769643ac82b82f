#pragma once

// One line of a point list: its first and third fields, the coordinates that
// the extent measures, and what else the line says about the list.

#include <string_view>

namespace trellwick {

// A point whose third field holds ")" is the list's last.
enum class PointLine { Point, LastPoint, Skip, EndOfList, Failure };

struct PointFields {
    PointLine kind = PointLine::Skip;
    std::string_view x; // the first field, for a point
    std::string_view z; // the third field, or the second when the line has two
};

// Fields are runs of characters other than the blank (a tab is no blank). A
// line without fields, or whose first starts with ";", is skipped; a first
// field that starts with ")" ends the list; one field alone can't be measured.
PointFields read_point_line(std::string_view line);

} // namespace trellwick

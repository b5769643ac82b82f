#include "point_line.h"

#include <algorithm>

namespace trellwick {
namespace {

// Where the field that starts at `at` ends, and where the next one starts
// (npos, the largest size, turns into the line's end).
std::size_t field_end(std::string_view line, std::size_t at) {
    return std::min(line.find(' ', at), line.size());
}
std::size_t next_field(std::string_view line, std::size_t at) {
    return std::min(line.find_first_not_of(' ', at), line.size());
}

} // namespace

PointFields read_point_line(std::string_view line) {
    const std::size_t x = next_field(line, 0);
    if (x == line.size() || line[x] == ';')
        return {PointLine::Skip, {}, {}};
    if (line[x] == ')')
        return {PointLine::EndOfList, {}, {}};
    const std::size_t x_end = field_end(line, x);
    const std::size_t second = next_field(line, x_end);
    if (second == line.size())
        return {PointLine::Failure, {}, {}};
    std::size_t third = next_field(line, field_end(line, second));
    if (third == line.size())
        third = second;
    // The third field's text runs to the line's end; a ")" anywhere in it ends
    // the list.
    const bool last = line.find(')', third) != std::string_view::npos;
    return {last ? PointLine::LastPoint : PointLine::Point, line.substr(x, x_end - x),
            line.substr(third, field_end(line, third) - third)};
}

} // namespace trellwick

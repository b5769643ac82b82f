#include "point_line.h"

#include "byte_finder.h"
#include "digit.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace trellwick {
namespace {

static_assert(std::endian::native == std::endian::little,
              "bytes are read eight at a time, the first byte lowest");

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7F;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

std::uint64_t eight_bytes(const char* from) {
    std::uint64_t word = 0;
    std::memcpy(&word, from, sizeof word);
    return word;
}

// 0x80 in each byte of `word` that is no digit.
std::uint64_t non_digits(std::uint64_t word) {
    const std::uint64_t low = word & kLowBits;
    const std::uint64_t above_nine = low + kOnes * (0x7F - '9');
    const std::uint64_t from_zero = low + kOnes * (0x80 - '0');
    return (above_nine | ~from_zero | word) & kHighBits;
}

// The eight high bits of `marks` as the low eight bits, the first byte's lowest.
std::uint64_t gathered(std::uint64_t marks) {
    return ((marks >> 7) * 0x0102040810204080) >> 56;
}

// Takes the lowest set bit of `bits` away and returns its place.
unsigned take_lowest(std::uint64_t& bits) {
    const auto place = static_cast<unsigned>(std::countr_zero(bits));
    bits &= bits - 1;
    return place;
}

// The coordinate of the field of `size` bytes at `text`, with eight bytes
// readable there: the same as coordinate(), found without a loop.
void read_eight_byte_coordinate(const char* text, unsigned size, Coordinate& read) {
    read.text = std::string_view(text, size);
    if (size > 8) {
        read = coordinate(read.text);
        return;
    }
    std::uint64_t word = eight_bytes(text);
    read.negative = (word & 0xFF) == '-';
    const unsigned sign = read.negative ? 1 : 0;
    word >>= 8 * sign;
    const unsigned length = size - sign;
    // The non-digits of the field, and a mark past its end.
    const std::uint64_t end_mark = std::uint64_t{1} << length;
    const std::uint64_t others = (gathered(non_digits(word)) & (end_mark - 1)) | end_mark;
    const auto digits = static_cast<unsigned>(std::countr_zero(others));
    // Digits, or digits, "." and digits. (The byte after the digits is
    // shifted down in two steps: all eight bytes may be digits.)
    const bool fraction = (digits + 1 < length) &
                          (others == (end_mark | std::uint64_t{1} << digits)) &
                          (((word >> 4 * digits >> 4 * digits) & 0xFF) == '.');
    read.plain = (digits > 0) & ((digits == length) | fraction);
    if (!read.plain)
        return;
    // The digits' values, ending in the word's top byte, joined in pairs,
    // fours and then all eight.
    std::uint64_t values = (word - kOnes * '0') << (8 * (8 - digits));
    values = (values * 10 + (values >> 8)) & 0x00FF00FF00FF00FF;
    values = (values * 100 + (values >> 16)) & 0x0000FFFF0000FFFF;
    values = (values * 10000 + (values >> 32)) & 0xFFFFFFFF;
    read.whole = static_cast<std::uint32_t>(values);
}

} // namespace

Coordinate coordinate(std::string_view text) {
    Coordinate read{text};
    read.negative = text.starts_with('-');
    const std::size_t digits = read.negative ? 1 : 0;
    std::size_t at = digits;
    std::uint32_t whole = 0;
    for (; at < text.size() && at - digits < 10 && is_digit(text[at]); ++at)
        whole = whole * 10 + static_cast<std::uint32_t>(text[at] - '0');
    if (at == digits || at - digits == 10)
        return read;
    if (at < text.size()) {
        if (text[at] != '.' || at + 1 == text.size())
            return read;
        for (++at; at < text.size(); ++at)
            if (!is_digit(text[at]))
                return read;
    }
    read.plain = true;
    read.whole = whole;
    return read;
}

bool plainly_within(const Coordinate& coordinate, float low, float high) {
    if (!coordinate.plain)
        return false;
    // The whole part and the next whole number away from zero, signed. The
    // sign is a factor, not a branch: signs follow no pattern a processor
    // could predict.
    const float sign = 1.0F - 2.0F * static_cast<float>(coordinate.negative);
    const float near = sign * static_cast<float>(coordinate.whole);
    const float far = sign * static_cast<float>(coordinate.whole + 1);
    const bool above_low = low <= std::min(near, far);
    const bool below_high = std::max(near, far) <= high;
    return above_low && below_high;
}

PointFields read_point_line(std::string_view line) {
    const char* at = line.data();
    const char* const end = at + line.size();
    // Past the run of blanks, or of other characters, from `at`.
    const auto skip = [end](const char* from, bool blanks) {
        while (from != end && (*from == ' ') == blanks)
            ++from;
        return from;
    };
    at = skip(at, true);
    if (at == end || *at == ';')
        return {PointLine::Skip, {}, {}};
    if (*at == ')')
        return {PointLine::EndOfList, {}, {}};
    const char* const x_end = skip(at, false);
    const char* const second = skip(x_end, true);
    if (second == end)
        return {PointLine::Failure, {}, {}};
    const char* third = skip(skip(second, false), true);
    if (third == end)
        third = second;
    const char* const z_end = skip(third, false);
    const bool last = std::memchr(third, ')', static_cast<std::size_t>(end - third)) != nullptr;
    return {last ? PointLine::LastPoint : PointLine::Point,
            coordinate(std::string_view(at, static_cast<std::size_t>(x_end - at))),
            coordinate(std::string_view(third, static_cast<std::size_t>(z_end - third)))};
}

// The line's bytes become bit masks, a bit for each byte: where the blanks,
// the line feed and the ")" signs are. A field starts at each bit of the other
// bytes whose lower neighbour is not one, and ends likewise.
bool read_point_line_at(std::string_view lines, std::size_t at, PointFields& fields,
                        std::size_t& end) {
    if (lines.size() - at < 72)
        return false;
    const char* const line = lines.data() + at;
    const std::uint64_t line_feeds = byte_marks(line, '\n');
    if (line_feeds == 0 || (line_feeds & 1) != 0)
        return false;
    const std::uint64_t blanks = byte_marks(line, ' ');
    const std::uint64_t parens = byte_marks(line, ')');
    const auto length = static_cast<unsigned>(std::countr_zero(line_feeds)) - 1; // before the CR
    end = at + length;
    const std::uint64_t inside = (std::uint64_t{1} << length) - 1;
    const std::uint64_t text = ~blanks & inside;
    fields = {};
    if (text == 0 || line[std::countr_zero(text)] == ';')
        return true;
    if (line[std::countr_zero(text)] == ')') {
        fields.kind = PointLine::EndOfList;
        return true;
    }
    std::uint64_t starts = text & ~(text << 1);
    std::uint64_t ends = text & ~(text >> 1);
    const unsigned x_start = take_lowest(starts);
    const unsigned x_end = take_lowest(ends) + 1;
    if (starts == 0) {
        fields.kind = PointLine::Failure;
        return true;
    }
    if ((starts & (starts - 1)) != 0) { // two more fields: the second is passed over
        take_lowest(starts);
        take_lowest(ends);
    }
    const unsigned z_start = take_lowest(starts);
    const unsigned z_end = take_lowest(ends) + 1;
    fields.kind = (parens & inside) >> z_start != 0 ? PointLine::LastPoint : PointLine::Point;
    read_eight_byte_coordinate(line + x_start, x_end - x_start, fields.x);
    read_eight_byte_coordinate(line + z_start, z_end - z_start, fields.z);
    return true;
}

} // namespace trellwick

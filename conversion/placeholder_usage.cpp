#include "placeholder_usage.h"

#include <array>

namespace trellwick {
namespace {

struct Searched {
    std::string_view text;
    bool PlaceholderUsage::*flag;
};

// "%up1=" needs no entry of its own: wherever it stands, "%up1" stands too,
// at the same place.
constexpr std::array<Searched, 12> kSearched{{
    {"%lat", &PlaceholderUsage::lat},
    {"%lon", &PlaceholderUsage::lon},
    {"%ran", &PlaceholderUsage::ran},
    {"%sca", &PlaceholderUsage::sca},
    {"%hea", &PlaceholderUsage::hea},
    {"%up1", &PlaceholderUsage::up1},
    {"%up2", &PlaceholderUsage::up2},
    {"%up3", &PlaceholderUsage::up3},
    {"%up4", &PlaceholderUsage::up4},
    {"%v1v", &PlaceholderUsage::v1v},
    {"%alt", &PlaceholderUsage::alt},
    {"%scc", &PlaceholderUsage::scc},
}};

} // namespace

bool PlaceholderUsage::user_parameter(int index) const {
    switch (index) {
    case 0:
        return up1;
    case 1:
        return up2;
    case 2:
        return up3;
    default:
        return up4;
    }
}

void mark_placeholder_at(std::string_view text, PlaceholderUsage& usage) {
    for (const Searched& searched : kSearched) {
        if (text.starts_with(searched.text)) {
            usage.*searched.flag = true;
            return;
        }
    }
}

void scan_line(std::string_view line, PlaceholderUsage& usage) {
    // Only the code part counts: a placeholder is used when its first
    // occurrence on the line stands before the line's first ";", that is when
    // it occurs in the code part at all. Every searched text starts with "%"
    // and no two can start at one place, so one walk over the "%" signs of the
    // code part finds them all.
    const auto first = line.find('%');
    if (first == std::string_view::npos)
        return;
    const std::string_view code = line.substr(0, line.find(';'));
    for (auto at = first; at < code.size(); at = code.find('%', at + 1))
        mark_placeholder_at(code.substr(at), usage);
}

} // namespace trellwick

#include "placeholder_usage.h"

#include <array>

namespace trellwick {
namespace {

struct Searched {
    std::string_view text;
    bool PlaceholderUsage::*flag;
};

// "%up1=" needs no entry of its own: wherever it stands, "%up1" stands too.
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

void scan_line(std::string_view line, PlaceholderUsage& usage) {
    // A placeholder counts when its first occurrence on the line stands before
    // the line's first ";": when it occurs in the part before that ";" at all,
    // starting at one of the "%" signs there.
    const std::string_view code = line.substr(0, line.find(';'));
    for (auto at = code.find('%'); at != std::string_view::npos; at = code.find('%', at + 1))
        for (const Searched& searched : kSearched)
            if (code.substr(at).starts_with(searched.text))
                usage.*searched.flag = true;
}

} // namespace trellwick

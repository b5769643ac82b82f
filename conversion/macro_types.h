#pragma once

// The macro types of the option buttons `opt_asd2t`: the caption is the type
// written after "Type=", except for the last, whose type the user types.

#include <array>
#include <string_view>

namespace trellwick {

inline constexpr std::array<std::string_view, 17> kMacroTypeCaptions{
    "Aircraft",
    "Antenna-Beacon",
    "Bridges",
    "Buildings",
    "Parking Lot",
    "Control Towers",
    "FBOs",
    "Downtown",
    "Hangars",
    "Fuel",
    "Ships",
    "Signs",
    "Terminals",
    "Roadside",
    "Trees",
    "Misc.",
    "Other, please specify:",
};

// The index of "Other, please specify:", whose type comes from `txt_typeother`.
inline constexpr int kOtherTypeIndex = 16;

} // namespace trellwick

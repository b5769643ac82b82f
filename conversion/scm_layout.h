#pragma once

// The fixed lines of an SCM macro and the name line. The size line is in
// extent.h, the parameter lines and the body in numbering.h.

#include <string>
#include <string_view>

namespace trellwick {

inline constexpr std::string_view kScmFirstLine = ";ASDesign Compatible Macro";
inline constexpr std::string_view kScmTrailer = "; Macro converted using Trellwick by Holmvard";

// ";Name=<name>, Type=<type>, Bitmap=<bitmap>, \" with every value unchanged.
std::string name_line(std::string_view name, std::string_view type, std::string_view bitmap);

} // namespace trellwick

#pragma once

// The messages that the conversion steps show the user.

#include <string_view>

namespace trellwick {

inline constexpr std::string_view kOverwriteQuestion =
    "This SCM macro you selected already exists. Do you want to overwrite the file?";
inline constexpr std::string_view kSelectFilesMessage =
    "Please select a source and destination file";
inline constexpr std::string_view kFillAllFieldsMessage =
    "Please make sure you have filled in all fields";

// Shown when a point list of the macro can't be measured.
inline constexpr std::string_view kSizeFallbackMessage =
    "An error has occured while determining the size of the object. A default size of 10x10 "
    "units will be used, this means that the symbol in ASD will not represent the actual macro. "
    "Please submit the API that caused the error to me, so I can try to fix the bug.";

} // namespace trellwick

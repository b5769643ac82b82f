#pragma once

// What the SCM file says of the macro beside its code, in the 8-bit code page:
// the window's fields, or the command line's options.

#include <array>
#include <string>

namespace trellwick {

struct MacroTexts {
    std::string name;
    std::string type; // a caption of the type options, or a type of the user's own
    std::string bitmap;
    std::array<std::string, 4> descriptions; // of user parameters 1 to 4 ("%6" to "%9")
};

} // namespace trellwick

#pragma once

// The golden files in tests/data: an API macro, the answers of the three steps
// and the SCM file that they must give, byte for byte, whichever way the
// conversion runs.

#include "conversion/numeric_locale.h"

#include <array>

namespace trellwick::testing {

struct GoldenSet {
    const char* api; // in tests/data, beside its .scm
    int type;        // 0 to 15, or 16 for the text of `type_text`
    const char* type_text;
    const char* name;
    const char* bitmap;
    std::array<const char*, 4> descriptions; // of the user parameters used
    bool fallback = false;                   // the size falls back to 10 by 10
    bool decimal_comma = false;              // the user's number format
};

inline const GoldenSet kGoldenSets[] = {
    {"worked_example.api", 8, "Hangars", "Hangar", "hangar.bmp", {"Color1", "", "", ""}},
    // No user parameter: the conversion ends with the Macro information step.
    {"kiosk.api", 16, "Kiosks", "Kiosk", "kiosk.bmp", {"", "", "", ""}},
    {"cr_line_ends.api", 0, "Aircraft", "house", "house.bmp", {"", "", "", ""}},
    {"lf_line_ends_scale.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}},
    {"decimal_comma.api", 15, "Misc.", "house", "house.bmp", {"", "", "", ""}, false, true},
    {"decimal_comma_scale.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}, false, true},
    {"size_fallback.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}, true},
    {"grey_descriptions.api", 16, "Kiosks", "house", "house.bmp", {"Color1", "", "  ", ""}},
    {"all_placeholders.api", 8, "Hangars", "house", "house.bmp", {"a", "b", "c", "d"}},
};

inline NumericLocale locale_of(const GoldenSet& set) {
    return set.decimal_comma ? NumericLocale{',', '.'} : NumericLocale{'.', ','};
}

} // namespace trellwick::testing

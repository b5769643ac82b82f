#pragma once

// Which named placeholders a macro's code uses: a flag is set when the
// placeholder stands before the first ";" of some line of the work file.

#include "renaming.h"

#include <cstddef>
#include <string_view>

namespace trellwick {

struct PlaceholderUsage {
    bool lat = false;
    bool lon = false;
    bool ran = false;
    bool sca = false;
    bool hea = false;
    bool up1 = false;
    bool up2 = false;
    bool up3 = false;
    bool up4 = false;
    bool v1v = false;
    bool alt = false;
    bool scc = false;

    bool any_user_parameter() const { return up1 || up2 || up3 || up4; }
    bool all() const {
        return lat && lon && ran && sca && hea && up1 && up2 && up3 && up4 && v1v && alt && scc;
    }
    bool user_parameter(int index) const; // index 0 to 3 for up1 to up4
    // Sets the flags that `other` has set too.
    PlaceholderUsage& operator|=(const PlaceholderUsage& other);

    friend bool operator==(const PlaceholderUsage&, const PlaceholderUsage&) = default;
};

// Sets the flags of the placeholders that stand in the code part of `lines`,
// one line or lines that each end in CR LF; an API line's token counts as its
// named token.
void scan_lines(std::string_view lines, MacroLines kind, PlaceholderUsage& usage);
// The same for one line of the work file.
inline void scan_line(std::string_view line, PlaceholderUsage& usage) {
    scan_lines(line, MacroLines::Renamed, usage);
}

} // namespace trellwick

#pragma once

// Which named placeholders a macro's code uses: a flag is set when the
// placeholder stands before the first ";" of some line of the work file.

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
    bool user_parameter(int index) const; // index 0 to 3 for up1 to up4

    friend bool operator==(const PlaceholderUsage&, const PlaceholderUsage&) = default;
};

// Sets the flags of the placeholders that stand in the code part of one line
// of the work file.
void scan_line(std::string_view line, PlaceholderUsage& usage);

} // namespace trellwick

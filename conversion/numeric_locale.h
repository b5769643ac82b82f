#pragma once

// The two separators of the user's number format, handed in by whoever knows
// the locale (the window or the command line).

namespace trellwick {

struct NumericLocale {
    char decimal = '.';
    char group = ',';
};

} // namespace trellwick

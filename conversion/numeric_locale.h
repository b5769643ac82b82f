#pragma once

// The two separators of the user's number format, as the conversion reads
// and writes numbers.

namespace trellwick {

struct NumericLocale {
    char decimal = '.';
    char group = ',';
};

// The user's number format: on Windows the user's locale settings, elsewhere
// the locale that LC_ALL, LC_NUMERIC or LANG names. Each separator is its
// first character when the code page holds it in one byte, otherwise "." and
// ","; a group separator that would be the decimal one becomes the other of
// the two. The window and the command line both take it from here.
NumericLocale user_numeric_locale();

} // namespace trellwick

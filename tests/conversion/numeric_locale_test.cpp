// The user's number format, as the window and the command line both read it:
// the first character of each separator where the code page holds it.

#include "conversion/numeric_locale.h"
#include "file_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

TEST(NumericLocale, TheUsersSeparatorsInTheCodePage) {
    struct Row {
        const char* locale;
        const char* separators; // decimal, then group
    };
    const Row rows[] = {
#ifdef _WIN32
        // Windows takes the user's settings, whatever LC_ALL says.
        {"de_DE.UTF-8", ".,"},
#else
        {"C.UTF-8", ".,"},        {"en_US.UTF-8", ".,"}, {"de_DE.UTF-8", ",."},
        {"de_CH.UTF-8", ".\x92"}, // a right single quote, which Windows-1252 holds
        {"fr_FR.UTF-8", ",."},    // a narrow no-break space, which it doesn't: "," then "."
        {"xx_XX.UTF-8", ".,"},    // no such locale
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale);
        const testing::ScopedLocale locale(row.locale);
        const NumericLocale read = user_numeric_locale();
        EXPECT_EQ(std::string({read.decimal, read.group}), row.separators);
    }
}

} // namespace
} // namespace trellwick

// The decimal and group separators that the steps get from the user's locale.

#include "locale_text/locale_separators.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

TEST(MainWindowLocaleTest, ComeFromTheLocale) {
    const NumericLocale english =
        numeric_locale_of(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.decimal, '.');
    EXPECT_EQ(english.group, ',');
    const NumericLocale german = numeric_locale_of(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimal, ',');
    EXPECT_EQ(german.group, '.');
}

TEST(MainWindowLocaleTest, NeverFallBackOntoTheDecimalSeparator) {
    // French groups digits with a narrow no-break space, which the code page
    // doesn't hold.
    const NumericLocale french = numeric_locale_of(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(french.decimal, ',');
    EXPECT_NE(french.group, ',');
}

} // namespace
} // namespace trellwick

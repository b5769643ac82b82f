#include "locale_text/locale_separators.h"

#include <QLocale>
#include <gtest/gtest.h>

// French groups digits with a narrow no-break space, which the code page lacks.
TEST(MainWindowLocaleTest, SeparatorsComeFromTheLocaleAsOneByteEach) {
    for (const auto& [language, expected] :
         {std::pair{QLocale::English, ".,"}, {QLocale::German, ",."}, {QLocale::French, ",."}}) {
        const trellwick::NumericLocale got = trellwick::numeric_locale_of(QLocale(language));
        EXPECT_EQ(std::string({got.decimal, got.group}), expected) << language;
    }
}

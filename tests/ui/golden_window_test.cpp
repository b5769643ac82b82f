// The golden SCM files, written byte for byte by the main window as by
// trellwick-convert (tests/cli).

#include "file_test_support.h"
#include "golden_sets.h"
#include "main_window_fixture.h"

namespace trellwick {
namespace {

using testing::GoldenSet;
using testing::kGoldenSets;

const char* const kFallback =
    "An error has occured while determining the size of the object. A default size of 10x10 units "
    "will be used, this means that the symbol in ASD will not represent the actual macro. Please "
    "submit the API that caused the error to me, so I can try to fix the bug.";

using GoldenFiles = MainWindowTest;

// Each set typed into the window and converted with its clicks, in the
// fixture's directory, whose settings the window uses.
TEST_F(GoldenFiles, AreWrittenByteForByteThroughTheWindow) {
    for (const GoldenSet& set : kGoldenSets) {
#ifdef _WIN32
        // The window takes the user's locale settings there, not LC_ALL.
        if (set.decimal_comma)
            continue;
#endif
        SCOPED_TRACE(set.api);
        QFile::remove(path("out.scm"));
        const std::string api = std::string(TRELLWICK_TEST_DATA "/") + set.api;
        dialogs_.messages.clear();
        // The window takes its number format from the environment as it starts.
        const testing::ScopedLocale locale(set.decimal_comma ? "de_DE.UTF-8" : "C.UTF-8");
        start();
        type("txt_api", QString::fromStdString(api));
        type("txt_scm", path("out.scm"));
        click("cmd_ApiScm");
        type("txt_name", set.name);
        type("txt_bmp", set.bitmap);
        click(("opt_asd2t_" + std::to_string(set.type)).c_str());
        type("txt_typeother", set.type_text);
        click("cmd_asd2t");
        for (const char* box : {"txt_up1", "txt_up2", "txt_up3", "txt_up4"})
            type(box, set.descriptions[static_cast<std::size_t>(box[6] - '1')]);
        if (step() == 3)
            click("cmd_up");
        EXPECT_EQ(dialogs_.texts().join(""), QString::fromLatin1(set.fallback ? kFallback : ""));
        // The paths are emptied, everything else is carried into the next conversion.
        EXPECT_EQ(text("txt_api") + text("txt_scm") + text("txt_name"), set.name);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(testing::read_file(path("out.scm").toStdString()),
                  testing::read_file(api.substr(0, api.size() - 3) + "scm"));
    }
}

} // namespace
} // namespace trellwick

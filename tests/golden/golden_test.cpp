// The golden SCM files, written byte for byte alike by the conversion core's
// three steps and by the main window (tests/cli checks trellwick-convert).

#include "conversion/steps.h"
#include "conversion_test_support.h"
#include "golden_sets.h"
#include "main_window_fixture.h"

#include <array>
#include <sstream>

namespace trellwick {
namespace {

using testing::GoldenSet;
using testing::kGoldenSets;
using testing::locale_of;

const char* const kFallback =
    "An error has occured while determining the size of the object. A default size of 10x10 units "
    "will be used, this means that the symbol in ASD will not represent the actual macro. Please "
    "submit the API that caused the error to me, so I can try to fix the bug.";

class GoldenFiles;
using Conversion = void (GoldenFiles::*)(const GoldenSet&, const std::string&, const std::string&);

// Each set converted in the fixture's directory, whose settings the window uses.
class GoldenFiles : public MainWindowTest, public ::testing::WithParamInterface<Conversion> {
public:
    void convert_with_the_steps(const GoldenSet& set, const std::string& api,
                                const std::string& scm) {
        testing::RecordingHost host;
        const StepEnvironment environment{"macro.temp", locale_of(set)};
        ConversionForm form;
        form.txt_api = api;
        form.txt_scm = scm;
        ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
        form.txt_name = set.name;
        form.txt_bmp = set.bitmap;
        form.opt_asd2t = set.type;
        form.txt_typeother = set.type_text;
        for (std::size_t i = 0; i < 4; ++i)
            form.txt_up[i] = set.descriptions[i];
        if (macro_information_step(form, host, environment) != StepOutcome::Finished) {
            EXPECT_EQ(user_parameters_step(form, host), StepOutcome::Finished);
        }
        EXPECT_EQ(host.warnings.empty() ? "" : host.warnings.front(),
                  set.fallback ? kFallback : "");
    }

    void convert_in_the_window(const GoldenSet& set, const std::string& api,
                               const std::string& scm) {
        dialogs_.messages.clear();
        // The window takes its number format from the environment as it starts.
        const testing::ScopedLocale locale(set.decimal_comma ? "de_DE.UTF-8" : "C.UTF-8");
        start();
        type("txt_api", QString::fromStdString(api));
        type("txt_scm", QString::fromStdString(scm));
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
    }
};

TEST_P(GoldenFiles, AreWrittenByteForByte) {
    for (const GoldenSet& set : kGoldenSets) {
#ifdef _WIN32
        // The window takes the user's locale settings there, not LC_ALL.
        if (set.decimal_comma && GetParam() == &GoldenFiles::convert_in_the_window)
            continue;
#endif
        SCOPED_TRACE(set.api);
        QFile::remove(path("out.scm"));
        const std::string api = std::string(TRELLWICK_TEST_DATA "/") + set.api;
        (this->*GetParam())(set, api, path("out.scm").toStdString());
        EXPECT_EQ(testing::read_file(path("out.scm").toStdString()),
                  testing::read_file(api.substr(0, api.size() - 3) + "scm"));
    }
}

std::string path_name(const ::testing::TestParamInfo<Conversion>& info) {
    const char* const names[] = {"Steps", "Window"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryPath, GoldenFiles,
                         ::testing::Values(&GoldenFiles::convert_with_the_steps,
                                           &GoldenFiles::convert_in_the_window),
                         path_name);

} // namespace
} // namespace trellwick

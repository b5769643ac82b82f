// The golden SCM files, written byte for byte alike by the conversion core's
// three steps, by trellwick-convert and by the main window.

#include "cli/command.h"
#include "conversion/steps.h"
#include "conversion_test_support.h"
#include "main_window_fixture.h"

#include <array>
#include <sstream>

namespace trellwick {
namespace {

struct GoldenSet {
    const char* api; // in tests/data, beside its .scm
    int type;        // 0 to 15, or 16 for the text of `type_other`
    const char* type_text;
    const char* name;
    const char* bitmap;
    std::array<const char*, 4> descriptions; // of the user parameters used
    const char* warning = "";
    bool decimal_comma = false; // the window takes the system's number format
};

const char* const kFallback =
    "An error has occured while determining the size of the object. A default size of 10x10 units "
    "will be used, this means that the symbol in ASD will not represent the actual macro. Please "
    "submit the API that caused the error to me, so I can try to fix the bug.";
const GoldenSet kGoldenSets[] = {
    {"worked_example.api", 8, "Hangars", "Hangar", "hangar.bmp", {"Color1", "", "", ""}},
    // No user parameter: the conversion ends with the Macro information step.
    {"kiosk.api", 16, "Kiosks", "Kiosk", "kiosk.bmp", {"", "", "", ""}},
    {"cr_line_ends.api", 0, "Aircraft", "house", "house.bmp", {"", "", "", ""}},
    {"lf_line_ends_scale.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}},
    {"decimal_comma.api", 15, "Misc.", "house", "house.bmp", {"", "", "", ""}, "", true},
    {"decimal_comma_scale.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}, "", true},
    {"size_fallback.api", 8, "Hangars", "house", "house.bmp", {"", "", "", ""}, kFallback},
    {"grey_descriptions.api", 16, "Kiosks", "house", "house.bmp", {"Color1", "", "  ", ""}},
    {"all_placeholders.api", 8, "Hangars", "house", "house.bmp", {"a", "b", "c", "d"}},
};

NumericLocale locale_of(const GoldenSet& set) {
    return set.decimal_comma ? NumericLocale{',', '.'} : NumericLocale{'.', ','};
}

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
        EXPECT_EQ(host.warnings.empty() ? "" : host.warnings.front(), set.warning);
    }

    void convert_on_the_command_line(const GoldenSet& set, const std::string& api,
                                     const std::string& scm) {
        std::vector<std::string> arguments = {"--type", set.type_text, "--name",
                                              set.name, "--bitmap",    set.bitmap};
        for (std::size_t i = 0; i < 4; ++i) {
            if (*set.descriptions[i] != '\0')
                arguments.insert(arguments.end(),
                                 {"--param", std::to_string(i + 1) + "=" + set.descriptions[i]});
        }
        arguments.insert(arguments.end(), {api, scm});
        std::ostringstream out, err;
        EXPECT_EQ(cli::run_command_line(arguments, locale_of(set), out, err), 0);
        const std::string warning = *set.warning ? "trellwick-convert: " + api + ": warning: " : "";
        EXPECT_EQ(err.str(), warning + set.warning + (*set.warning ? "\n" : ""));
    }

    void convert_in_the_window(const GoldenSet& set, const std::string& api,
                               const std::string& scm) {
        dialogs_.messages.clear();
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
        EXPECT_EQ(dialogs_.texts().join(""), QString::fromLatin1(set.warning));
        // The paths are emptied, everything else is carried into the next conversion.
        EXPECT_EQ(text("txt_api") + text("txt_scm") + text("txt_name"), set.name);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
};

TEST_P(GoldenFiles, AreWrittenByteForByte) {
    for (const GoldenSet& set : kGoldenSets) {
        if (set.decimal_comma && GetParam() == &GoldenFiles::convert_in_the_window)
            continue;
        SCOPED_TRACE(set.api);
        QFile::remove(path("out.scm"));
        const std::string api = std::string(TRELLWICK_TEST_DATA "/") + set.api;
        (this->*GetParam())(set, api, path("out.scm").toStdString());
        EXPECT_EQ(testing::read_file(path("out.scm").toStdString()),
                  testing::read_file(api.substr(0, api.size() - 3) + "scm"));
    }
}

std::string path_name(const ::testing::TestParamInfo<Conversion>& info) {
    const char* const names[] = {"Steps", "CommandLine", "Window"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryPath, GoldenFiles,
                         ::testing::Values(&GoldenFiles::convert_with_the_steps,
                                           &GoldenFiles::convert_on_the_command_line,
                                           &GoldenFiles::convert_in_the_window),
                         path_name);

} // namespace
} // namespace trellwick

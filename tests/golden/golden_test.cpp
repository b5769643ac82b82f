// The golden SCM files, written byte for byte alike by the conversion core's
// three steps, by trellwick-convert and by the main window.

#include "cli/command.h"
#include "conversion/steps.h"
#include "conversion_test_support.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <array>
#include <gtest/gtest.h>
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

void convert_with_the_steps(const GoldenSet& set, const std::string& api, const std::string& scm) {
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
        form.txt_up[i].text = set.descriptions[i];
    if (macro_information_step(form, host, environment) != StepOutcome::Finished) {
        EXPECT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
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

void convert_in_the_window(const GoldenSet& set, const std::string& api, const std::string& scm) {
    testing::write_file("quorvel.ini", QDir::currentPath().toStdString() + "\r\n.\r\n.\r\n");
    ScriptedDialogs dialogs;
    Settings settings;
    MainWindow window(settings, dialogs);
    window.start();
    const auto box = [&](const char* name) {
        return window.findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto click = [&](const QString& name) {
        window.findChild<QAbstractButton*>(name)->click();
    };
    box("txt_api")->setText(QString::fromStdString(api));
    box("txt_scm")->setText(QString::fromStdString(scm));
    click(QStringLiteral("cmd_ApiScm"));
    box("txt_name")->setText(QString::fromLatin1(set.name));
    box("txt_bmp")->setText(QString::fromLatin1(set.bitmap));
    click(QStringLiteral("opt_asd2t_%1").arg(set.type));
    box("txt_typeother")->setText(QString::fromLatin1(set.type_text));
    click(QStringLiteral("cmd_asd2t"));
    const std::array<const char*, 4> boxes = {"txt_up1", "txt_up2", "txt_up3", "txt_up4"};
    for (std::size_t i = 0; i < 4; ++i)
        box(boxes[i])->setText(QString::fromLatin1(set.descriptions[i]));
    if (!window.findChild<QWidget*>(QStringLiteral("frm_up"))->isHidden())
        click(QStringLiteral("cmd_up"));
    EXPECT_EQ(dialogs.texts().join(""), QString::fromLatin1(set.warning));
    // The paths are emptied, everything else is carried into the next conversion.
    EXPECT_EQ(box("txt_api")->text() + box("txt_scm")->text() + box("txt_name")->text(), set.name);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

using Conversion = void (*)(const GoldenSet&, const std::string&, const std::string&);

class GoldenFiles : public ::testing::TestWithParam<Conversion> {};

TEST_P(GoldenFiles, AreWrittenByteForByte) {
    for (const GoldenSet& set : kGoldenSets) {
        if (set.decimal_comma && GetParam() == &convert_in_the_window)
            continue;
        SCOPED_TRACE(set.api);
        const testing::ScratchDir scratch;
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(scratch.path().string())));
        const std::string api = std::string(TRELLWICK_TEST_DATA "/") + set.api;
        GetParam()(set, api, (scratch / "out.scm").string());
        EXPECT_EQ(testing::read_file(scratch / "out.scm"),
                  testing::read_file(api.substr(0, api.size() - 3) + "scm"));
        QDir::setCurrent(QDir::tempPath());
    }
}

std::string path_name(const ::testing::TestParamInfo<Conversion>& info) {
    const char* const names[] = {"Steps", "CommandLine", "Window"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(EveryPath, GoldenFiles,
                         ::testing::Values(&convert_with_the_steps, &convert_on_the_command_line,
                                           &convert_in_the_window),
                         path_name);

} // namespace
} // namespace trellwick

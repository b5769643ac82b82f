// The golden SCM files, written byte for byte alike by the conversion core's
// three steps, by trellwick-convert and by the main window.

#include "cli/command.h"
#include "conversion/steps.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <array>
#include <fstream>
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
};

const GoldenSet kGoldenSets[] = {
    {"worked_example.api", 8, "Hangars", "Hangar", "hangar.bmp", {"Color1", "", "", ""}},
    // No user parameter: the conversion ends with the Macro information step.
    {"kiosk.api", 16, "Kiosks", "Kiosk", "kiosk.bmp", {"", "", "", ""}},
};

std::string read_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

class NoQuestions final : public Host {
public:
    void warn(const std::string& text) override { ADD_FAILURE() << text; }
    bool confirm_overwrite(const std::string&) override { return true; }
    void close_preferences() override {}
};

void convert_with_the_steps(const GoldenSet& set, const QString& api, const QString& scm) {
    NoQuestions host;
    StepEnvironment environment;
    environment.locale = {'.', ','};
    ConversionForm form;
    form.txt_api = api.toStdString();
    form.txt_scm = scm.toStdString();
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    form.txt_name = set.name;
    form.txt_bmp = set.bitmap;
    form.opt_asd2t = set.type;
    form.txt_typeother = set.type_text;
    if (macro_information_step(form, host, environment) == StepOutcome::Finished)
        return;
    for (std::size_t i = 0; i < 4; ++i)
        form.txt_up[i].text = set.descriptions[i];
    EXPECT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
}

void convert_on_the_command_line(const GoldenSet& set, const QString& api, const QString& scm) {
    std::vector<std::string> arguments = {"--type", set.type_text, "--name",
                                          set.name, "--bitmap",    set.bitmap};
    for (std::size_t i = 0; i < 4; ++i) {
        if (*set.descriptions[i] != '\0')
            arguments.insert(arguments.end(),
                             {"--param", std::to_string(i + 1) + "=" + set.descriptions[i]});
    }
    arguments.insert(arguments.end(), {api.toStdString(), scm.toStdString()});
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_command_line(arguments, {'.', ','}, out, err), 0) << err.str();
}

void convert_in_the_window(const GoldenSet& set, const QString& api, const QString& scm) {
    QFile settings_file(QStringLiteral("quorvel.ini"));
    ASSERT_TRUE(settings_file.open(QIODevice::WriteOnly));
    settings_file.write((QDir::currentPath() + "\r\n.\r\n.\r\n").toUtf8());
    settings_file.close();
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
    box("txt_api")->setText(api);
    box("txt_scm")->setText(scm);
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
    EXPECT_EQ(dialogs.texts(), QStringList());
    EXPECT_TRUE(box("txt_api")->text().isEmpty());
}

using Conversion = void (*)(const GoldenSet&, const QString&, const QString&);

class GoldenFiles : public ::testing::TestWithParam<Conversion> {};

TEST_P(GoldenFiles, AreWrittenByteForByte) {
    for (const GoldenSet& set : kGoldenSets) {
        SCOPED_TRACE(set.api);
        QTemporaryDir scratch;
        ASSERT_TRUE(QDir::setCurrent(scratch.path()));
        const QString data = QStringLiteral(TRELLWICK_TEST_DATA "/");
        const QString golden = data + QString::fromLatin1(set.api).replace(".api", ".scm");
        GetParam()(set, data + QString::fromLatin1(set.api), scratch.filePath("out.scm"));
        EXPECT_EQ(read_bytes(scratch.filePath("out.scm")), read_bytes(golden));
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

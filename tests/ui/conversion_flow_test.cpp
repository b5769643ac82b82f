// Whole conversions through the window: the steps, their transitions and
// checks, the grey description boxes, and texts the code page can't hold.

#include "main_window_fixture.h"

#include <QButtonGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QSignalSpy>

namespace trellwick {
namespace {

// The worked example of the SCM layout: a hangar whose code uses "%1", "%2",
// "%4", "%5" and "%6", converted with the name Hangar, the type Hangars and
// the description Color1.
QByteArray golden(const char* name) {
    QFile file(QStringLiteral(TRELLWICK_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray hangar_api() {
    return golden("worked_example.api");
}

// A macro whose only user parameter is "%8=", with a fixed scale of 0.5.
const QByteArray kSignApi = "Area( 5 %1 %2 22 )\r\n"
                            "    RefPoint( 7 :1 0.5 %1 %2 )\r\n"
                            "    Texture( %8= )\r\n"
                            "EndA\r\n";

// A macro without user parameters.
const QByteArray kTreeApi = "Area( 5 %1 %2 22 )\r\n"
                            "    RefPoint( 7 :1 %4 %1 %2 )\r\n"
                            "EndA\r\n";

// Counts how often a widget is made visible.
struct ShowCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ShowToParent ? 1 : 0;
        return false;
    }
};

class MainWindowFlowTest : public MainWindowTest {
protected:
    // Step 1 through the API chooser; the SCM path is proposed in "scm/".
    void choose_api(const QString& name, const QByteArray& content) {
        QDir(temp_.path()).mkpath(QStringLiteral("api"));
        QDir(temp_.path()).mkpath(QStringLiteral("scm"));
        write_file("api/" + name, content);
        dialogs_.answer_file(path("api/" + name));
        click("cmd_BrwApi");
    }

    void to_step_two(const QString& name, const QByteArray& content) {
        choose_api(name, content);
        click("cmd_ApiScm");
        ASSERT_TRUE(shown("frm_asd2t"));
    }

    bool grey(const char* name) const {
        return box(name)->palette().color(QPalette::Base) == QColor(192, 192, 192);
    }

    QString scm_path(const QString& name) const { return path("scm/" + name); }
};

TEST_F(MainWindowFlowTest, WholeConversionWritesTheScmMacro) {
    start();
    choose_api(QStringLiteral("hangar.api"), hangar_api());
    EXPECT_EQ(text("txt_api"), path("api/hangar.api"));
    EXPECT_EQ(text("txt_scm"), scm_path("hangar.scm"));

    click("cmd_ApiScm");
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(text("txt_name"), QStringLiteral("hangar"));
    EXPECT_EQ(text("txt_bmp"), QStringLiteral("hangar.bmp"));

    type("txt_name", QStringLiteral("Hangar"));
    choose_type(8);
    click("cmd_asd2t");
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_TRUE(shown("frm_up"));
    EXPECT_FALSE(grey("txt_up1"));
    EXPECT_TRUE(grey("txt_up2"));
    EXPECT_TRUE(grey("txt_up3"));
    EXPECT_TRUE(grey("txt_up4"));

    type("txt_up1", QStringLiteral("Color1"));
    click("cmd_up");

    EXPECT_TRUE(dialogs_.messages().empty()) << dialogs_.message_texts().join('|').toStdString();
    // The autoscale form keeps the user's decimal separator.
    QByteArray expected = golden("worked_example.scm");
    expected.replace("12.5 , autoscale",
                     "12" + QLocale::system().decimalPoint().toLatin1() + "5 , autoscale");
    EXPECT_EQ(read_file("scm/hangar.scm"), expected);
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_TRUE(text("txt_api").isEmpty());
    EXPECT_TRUE(text("txt_scm").isEmpty());
    // Everything else is carried into the next conversion.
    EXPECT_EQ(text("txt_name"), QStringLiteral("Hangar"));
    EXPECT_EQ(text("txt_bmp"), QStringLiteral("hangar.bmp"));
    EXPECT_EQ(control<QButtonGroup>("opt_asd2t")->checkedId(), 8);
    EXPECT_EQ(text("txt_up1"), QStringLiteral("Color1"));
}

TEST_F(MainWindowFlowTest, AltCPressesConvert) {
    MainWindow& main = start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    choose_api(QStringLiteral("hangar.api"), hangar_api());

    QSignalSpy clicked(control<QPushButton>("cmd_ApiScm"), &QAbstractButton::clicked);

    QTest::keyClick(&main, Qt::Key_C, Qt::AltModifier);

    // An access key presses the button visibly, releasing it a moment later.
    ASSERT_TRUE(clicked.count() == 1 || clicked.wait());
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_EQ(read_file("macro.temp").left(11), QByteArray("; Hangar\r\nA"));
}

TEST_F(MainWindowFlowTest, ConvertWithAnEmptyPathWarnsAndStaysInStepOne) {
    start();
    type("txt_api", path("api/none.api"));

    click("cmd_ApiScm");

    ASSERT_EQ(dialogs_.messages().size(), 1u);
    const ShownMessage& warning = dialogs_.messages().front();
    EXPECT_EQ(warning.text, QStringLiteral("Please select a source and destination file"));
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_EQ(warning.title, QStringLiteral("Trellwick"));
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_EQ(text("txt_api"), path("api/none.api"));
    EXPECT_FALSE(QFile::exists(path("macro.temp")));
}

TEST_F(MainWindowFlowTest, ExistingDestinationIsAskedAboutAndNoEmptiesIt) {
    start();
    choose_api(QStringLiteral("hangar.api"), hangar_api());
    write_file(QStringLiteral("scm/hangar.scm"), "old");
    dialogs_.answer_message(false);

    click("cmd_ApiScm");

    ASSERT_EQ(dialogs_.messages().size(), 2u);
    const ShownMessage& question = dialogs_.messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("This SCM macro you selected already exists. Do you "
                                            "want to overwrite the file?"));
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs_.messages()[1].text,
              QStringLiteral("Please select a source and destination file"));
    EXPECT_TRUE(text("txt_scm").isEmpty());
    EXPECT_EQ(text("txt_api"), path("api/hangar.api"));
    EXPECT_FALSE(shown("frm_asd2t"));

    // Yes goes on; the old file is replaced only by the later steps.
    type("txt_scm", scm_path("hangar.scm"));
    dialogs_.answer_message(true);
    click("cmd_ApiScm");
    EXPECT_EQ(dialogs_.messages().size(), 3u);
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_EQ(read_file("scm/hangar.scm"), QByteArray("old"));
}

TEST_F(MainWindowFlowTest, ConvertAgainInStepTwoStaysInStepTwo) {
    start();
    to_step_two(QStringLiteral("hangar.api"), hangar_api());
    type("txt_name", QStringLiteral("Changed"));

    click("cmd_ApiScm");

    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(text("txt_name"), QStringLiteral("hangar"));
}

TEST_F(MainWindowFlowTest, ContinueWithMissingMacroInformationWarnsAndStaysInStepTwo) {
    start();
    to_step_two(QStringLiteral("hangar.api"), hangar_api());

    click("cmd_asd2t"); // no type chosen
    choose_type(16);
    click("cmd_asd2t"); // "Other" with an empty type text
    type("txt_name", QString());
    choose_type(3);
    click("cmd_asd2t"); // no name

    EXPECT_EQ(dialogs_.message_texts(),
              QStringList(3, QStringLiteral("Please make sure you have filled in all fields")));
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_FALSE(QFile::exists(scm_path("hangar.scm")));
}

TEST_F(MainWindowFlowTest, OnlyTheUsedParametersBoxStaysWhite) {
    start();
    to_step_two(QStringLiteral("sign.api"), kSignApi);
    choose_type(11);
    click("cmd_asd2t");

    EXPECT_TRUE(shown("frm_up"));
    EXPECT_TRUE(grey("txt_up1"));
    EXPECT_TRUE(grey("txt_up2"));
    EXPECT_FALSE(grey("txt_up3"));
    EXPECT_TRUE(grey("txt_up4"));

    // The used box must be filled; the grey ones may stay empty.
    click("cmd_up");
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList{QStringLiteral("Please make sure you have filled in all fields")});
    EXPECT_TRUE(shown("frm_up"));

    type("txt_up3", QStringLiteral("Texture1"));
    click("cmd_up");
    EXPECT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_FALSE(shown("frm_up"));
    const QList<QByteArray> lines = read_file("scm/sign.scm").split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[2], QByteArray(";FixedLength=0, FixedWidth=0 \\\r"));
    EXPECT_EQ(lines[5], QByteArray(";Texture1, \\\r"));
}

TEST_F(MainWindowFlowTest, MacroWithoutUserParametersFinishesInOneClick) {
    start();
    to_step_two(QStringLiteral("tree.api"), kTreeApi);
    choose_type(14);
    ShowCounter up_frame_shown;
    control("frm_up")->installEventFilter(&up_frame_shown);

    click("cmd_asd2t");

    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_EQ(up_frame_shown.count, 0);
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    for (const char* name : {"txt_up1", "txt_up2", "txt_up3", "txt_up4"})
        EXPECT_TRUE(grey(name)) << name;
    EXPECT_TRUE(text("txt_api").isEmpty());
    EXPECT_TRUE(text("txt_scm").isEmpty());
    EXPECT_TRUE(read_file("scm/tree.scm").endsWith("EndA\r\n"));
}

TEST_F(MainWindowFlowTest, ALaterMacroThatUsesAGreyedParameterGetsAWhiteBoxBack) {
    start();
    to_step_two(QStringLiteral("tree.api"), kTreeApi);
    choose_type(14);
    click("cmd_asd2t");
    ASSERT_TRUE(grey("txt_up1"));

    to_step_two(QStringLiteral("hangar.api"), hangar_api());
    click("cmd_asd2t");

    EXPECT_TRUE(shown("frm_up"));
    EXPECT_FALSE(grey("txt_up1"));
    click("cmd_up"); // still empty
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList{QStringLiteral("Please make sure you have filled in all fields")});
}

TEST_F(MainWindowFlowTest, ConvertInStepThreeDropsTheOpenConversion) {
    start();
    to_step_two(QStringLiteral("hangar.api"), hangar_api());
    choose_type(8);
    click("cmd_asd2t");
    ASSERT_TRUE(shown("frm_up"));

    // The path fields still hold the conversion's paths in Step 3.
    dialogs_.answer_message(true); // overwrite the header-only SCM file
    click("cmd_ApiScm");

    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(read_file("scm/hangar.scm").count('\n'), 3);

    // The conversion starts over and completes.
    click("cmd_asd2t");
    type("txt_up1", QStringLiteral("Color1"));
    click("cmd_up");
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_TRUE(read_file("scm/hangar.scm").endsWith("Return\r\n"));
}

TEST_F(MainWindowFlowTest, HelpInStepThreeChangesNothing) {
    start();
    to_step_two(QStringLiteral("hangar.api"), hangar_api());
    choose_type(8);
    click("cmd_asd2t");

    click_menu("mnu_help");

    EXPECT_EQ(dialogs_.message_texts(), QStringList{kHelpText});
    EXPECT_TRUE(shown("frm_up"));
    type("txt_up1", QStringLiteral("Color1"));
    click("cmd_up");
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(dialogs_.messages().size(), 1u);
}

TEST_F(MainWindowFlowTest, TextsTheCodePageCantHoldAreRefusedBeforeAnythingIsWritten) {
    start();
    to_step_two(QStringLiteral("hangar.api"), hangar_api());
    choose_type(8);

    type("txt_name", QStringLiteral("Hangar \u4e2d"));
    click("cmd_asd2t");
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList{"The name contains a character that can't be written to the SCM file."});
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(QFile::exists(scm_path("hangar.scm")));
    EXPECT_EQ(text("txt_name"), QStringLiteral("Hangar \u4e2d"));

    type("txt_name", QStringLiteral("H\u00e4ngar")); // the code page holds this one
    type("txt_bmp", QStringLiteral("\u0444.bmp"));
    click("cmd_asd2t");
    EXPECT_EQ(dialogs_.message_texts().last(),
              "The bitmap contains a character that can't be written to the SCM file.");

    type("txt_bmp", QStringLiteral("hangar.bmp"));
    choose_type(16);
    type("txt_typeother", QStringLiteral("\u2603"));
    click("cmd_asd2t");
    EXPECT_EQ(dialogs_.message_texts().last(),
              "The type contains a character that can't be written to the SCM file.");
    EXPECT_FALSE(QFile::exists(scm_path("hangar.scm")));

    type("txt_typeother", QStringLiteral("Kiosks"));
    click("cmd_asd2t");
    ASSERT_TRUE(shown("frm_up"));
    type("txt_up1", QStringLiteral("Colour \u2192 1"));
    type("txt_up2", QStringLiteral("\u2192 unused")); // grey: never written
    click("cmd_up");
    EXPECT_EQ(dialogs_.message_texts().last(),
              "The description of user parameter 1 contains a character that can't be written to "
              "the SCM file.");
    EXPECT_TRUE(shown("frm_up"));

    type("txt_up1", QStringLiteral("Color1"));
    click("cmd_up");
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(text("txt_up2"), QStringLiteral("\u2192 unused"));
    EXPECT_TRUE(read_file("scm/hangar.scm")
                    .startsWith(";ASDesign Compatible Macro\r\n;Name=H\xe4ngar, Type=Kiosks, "
                                "Bitmap=hangar.bmp, \\\r\n"));
}

TEST_F(MainWindowFlowTest, NoMessageIsAnsweredUnderAWaitCursor) {
    start();
    choose_api(QStringLiteral("hangar.api"), hangar_api());
    write_file(QStringLiteral("scm/hangar.scm"), "old");
    std::vector<bool> busy;
    dialogs_.on_message(
        [&](const ShownMessage&) { busy.push_back(QGuiApplication::overrideCursor() != nullptr); });
    dialogs_.answer_message(true);

    click("cmd_ApiScm");
    click("cmd_asd2t"); // no type chosen

    EXPECT_EQ(busy, std::vector<bool>({false, false}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace trellwick

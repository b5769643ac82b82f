// Start-up with and without a settings file, shut-down, and the Help message.

#include "main_window_fixture.h"

#include <QButtonGroup>
#include <QSignalSpy>

namespace trellwick {
namespace {

using MainWindowStartTest = MainWindowTest;

TEST_F(MainWindowStartTest, WithSettingsShowsStepOneWithEverythingEmpty) {
    write_settings("/prog", "/api dir", "/scm dir");
    MainWindow& main = start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Trellwick"));
    EXPECT_EQ(main.objectName(), QStringLiteral("frm_main"));
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    for (const char* name : {"txt_api", "txt_scm", "txt_name", "txt_bmp", "txt_typeother",
                             "txt_up1", "txt_up2", "txt_up3", "txt_up4"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
    EXPECT_EQ(control<QButtonGroup>("opt_asd2t")->checkedId(), -1);
    EXPECT_TRUE(control<QLabel>("pic_bmp")->pixmap().isNull());
    EXPECT_EQ(QApplication::focusWidget(), control("cmd_BrwApi"));
    EXPECT_EQ(preferences(), nullptr);
    EXPECT_TRUE(dialogs_.messages().empty());

    EXPECT_EQ(settings_.progdir(), "/prog");
    EXPECT_EQ(settings_.apidir(), "/api dir");
    EXPECT_EQ(settings_.scmdir(), "/scm dir");
}

TEST_F(MainWindowStartTest, WithoutSettingsWaitsForPreferencesThenSavingShowsTheMainWindow) {
    MainWindow& main = start(false);

    PreferencesWindow* prefs = preferences();
    ASSERT_NE(prefs, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(prefs));
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(prefs->isVisible());
    EXPECT_TRUE(prefs->isActiveWindow());
    auto* progdir = prefs->findChild<QLineEdit*>(QStringLiteral("txt_quorveldir"));
    auto* apidir = prefs->findChild<QLineEdit*>(QStringLiteral("txt_apdir"));
    auto* scmdir = prefs->findChild<QLineEdit*>(QStringLiteral("txt_scdir"));
    ASSERT_TRUE(progdir && apidir && scmdir);
    EXPECT_TRUE(progdir->text().isEmpty() && apidir->text().isEmpty() && scmdir->text().isEmpty());
    EXPECT_TRUE(dialogs_.messages().empty());

    QTest::keyClicks(progdir, temp_.path());
    QTest::keyClicks(apidir, QStringLiteral("/macros/api"));
    QTest::keyClicks(scmdir, QStringLiteral("/macros/scm"));
    QTest::mouseClick(prefs->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    EXPECT_TRUE(dialogs_.messages().empty()) << dialogs_.message_texts().join('|').toStdString();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));
    EXPECT_EQ(settings_.scmdir(), "/macros/scm");
    EXPECT_EQ(read_file("quorvel.ini"),
              temp_.path().toLocal8Bit() + "\r\n/macros/api\r\n/macros/scm\r\n");
}

TEST_F(MainWindowStartTest, AShortSettingsFileCountsAsMissing) {
    write_file(QStringLiteral("quorvel.ini"), "/prog\r\n/api\r\n");
    MainWindow& main = start();
    EXPECT_FALSE(main.isVisible());
    ASSERT_NE(preferences(), nullptr);
    EXPECT_TRUE(preferences()->isVisible());
    EXPECT_EQ(settings_.progdir(), "");
}

TEST_F(MainWindowStartTest, ClosingThePreferencesWhileWaitingEndsTheProgram) {
    MainWindow& main = start(false);
    QSignalSpy ended(&main, &MainWindow::closed);
    ASSERT_NE(preferences(), nullptr);

    preferences()->close();

    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(preferences(), nullptr);
}

TEST_F(MainWindowStartTest, ClosingTheMainWindowEndsTheProgramAndTakesThePreferencesWithIt) {
    MainWindow& main = start();
    QSignalSpy ended(&main, &MainWindow::closed);
    click_menu("mnu_pref");
    ASSERT_NE(preferences(), nullptr);
    ASSERT_TRUE(preferences()->isVisible());

    main.close();

    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(preferences(), nullptr);
}

TEST_F(MainWindowStartTest, HelpShowsTheFiveLineMessageAndChangesNothing) {
    MainWindow& main = start();
    type("txt_api", QStringLiteral("typed.api"));

    click_menu("mnu_help");

    ASSERT_EQ(dialogs_.messages().size(), 1u);
    const ShownMessage& shown_message = dialogs_.messages().front();
    EXPECT_EQ(shown_message.text, kHelpText);
    EXPECT_EQ(shown_message.title, QStringLiteral("Trellwick"));
    EXPECT_EQ(shown_message.icon, MessageIcon::Question);
    EXPECT_EQ(shown_message.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown_message.parent, &main);
    EXPECT_EQ(text("txt_api"), QStringLiteral("typed.api"));
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_TRUE(main.isVisible());
}

} // namespace
} // namespace trellwick

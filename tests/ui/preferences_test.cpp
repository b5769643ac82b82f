// The menu "Preferences": the Preferences window opened beside the main
// window, refilled at every opening, closed by Convert, hidden by a save.

#include "main_window_fixture.h"

namespace trellwick {
namespace {

class MainWindowPreferencesTest : public MainWindowTest {
protected:
    QLineEdit* pref_box(const char* name) const {
        auto* found = preferences()->findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(MainWindowPreferencesTest, MenuOpensTheWindowFilledFromTheSavedDirectories) {
    write_settings("/prog", "/macros/api", "/macros/scm");
    MainWindow& main = start();

    click_menu("mnu_pref");

    PreferencesWindow* prefs = preferences();
    ASSERT_NE(prefs, nullptr);
    EXPECT_TRUE(prefs->isVisible());
    EXPECT_FALSE(prefs->isModal());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(pref_box("txt_quorveldir")->text(), QStringLiteral("/prog"));
    EXPECT_EQ(pref_box("txt_apdir")->text(), QStringLiteral("/macros/api"));
    EXPECT_EQ(pref_box("txt_scdir")->text(), QStringLiteral("/macros/scm"));

    // A second opening refills the boxes: unsaved edits are lost.
    QTest::keyClicks(pref_box("txt_apdir"), QStringLiteral("/edited"));
    click_menu("mnu_pref");
    EXPECT_EQ(preferences(), prefs);
    EXPECT_EQ(pref_box("txt_apdir")->text(), QStringLiteral("/macros/api"));
}

TEST_F(MainWindowPreferencesTest, SavingHidesThePreferencesAndTheChoosersUseTheNewDirectories) {
    write_settings(temp_.path().toLocal8Bit(), "/macros/api", "/macros/scm");
    MainWindow& main = start();
    click_menu("mnu_pref");
    PreferencesWindow* prefs = preferences();
    ASSERT_NE(prefs, nullptr);

    pref_box("txt_scdir")->selectAll();
    QTest::keyClicks(pref_box("txt_scdir"), QStringLiteral("/new/scm"));
    QTest::mouseClick(prefs->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    EXPECT_FALSE(prefs->isVisible());
    EXPECT_TRUE(main.isVisible());
    dialogs_.answer_file(QStringLiteral("/a/house.api"));
    click("cmd_BrwApi");
    EXPECT_EQ(text("txt_scm"), QStringLiteral("/new/scm/house.scm"));

    // Hidden, not gone: the next opening shows the same window.
    click_menu("mnu_pref");
    EXPECT_EQ(preferences(), prefs);
    EXPECT_TRUE(prefs->isVisible());
}

TEST_F(MainWindowPreferencesTest, ConvertClosesThePreferencesWithoutSaving) {
    write_settings("/prog", "/macros/api", "/macros/scm");
    start();
    click_menu("mnu_pref");
    ASSERT_NE(preferences(), nullptr);
    QTest::keyClicks(pref_box("txt_apdir"), QStringLiteral("/edited"));

    click("cmd_ApiScm"); // empty paths: the step ends with its warning

    EXPECT_EQ(preferences(), nullptr);
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList{QStringLiteral("Please select a source and destination file")});
    EXPECT_EQ(settings_.apidir(), "/macros/api");

    // The next opening creates the window anew.
    click_menu("mnu_pref");
    ASSERT_NE(preferences(), nullptr);
    EXPECT_TRUE(preferences()->isVisible());
    EXPECT_EQ(pref_box("txt_apdir")->text(), QStringLiteral("/macros/api"));
}

TEST_F(MainWindowPreferencesTest, ClosingThePreferencesLeavesTheMainWindowAsItWas) {
    MainWindow& main = start();
    type("txt_api", QStringLiteral("kept.api"));
    click_menu("mnu_pref");
    ASSERT_NE(preferences(), nullptr);

    preferences()->close();

    EXPECT_EQ(preferences(), nullptr);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(text("txt_api"), QStringLiteral("kept.api"));
}

} // namespace
} // namespace trellwick

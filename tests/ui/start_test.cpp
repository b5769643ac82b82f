// Start-up with and without a settings file, the Preferences window beside the
// main window, closing, and where the controls stand.

#include "main_window_fixture.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QSignalSpy>

namespace trellwick {
namespace {

using MainWindowStartTest = MainWindowTest;

// Counts the times a window is brought to the front.
struct Raises : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ZOrderChange;
        return false;
    }
};

// Saving the Preferences window that waits alone shows the main window (that
// closing it ends the program is the program test's). From the menu it comes back in front, and
// saving brings the main window to the front; Convert closes it under the wait cursor, and closing
// the main window ends the program and takes it along.
TEST_F(MainWindowStartTest, PreferencesFirstThenBesideTheMainWindow) {
    MainWindow& main = start(false);
    QSignalSpy ended(&main, &MainWindow::closed);
    PreferencesWindow* prefs = preferences();
    Raises main_raises, prefs_raises;
    main.installEventFilter(&main_raises);
    prefs->installEventFilter(&prefs_raises);
    const auto active = [] {
        QApplication::processEvents();
        return QApplication::activeWindow();
    };
    EXPECT_EQ(active(), prefs);
    for (const auto& [name, typed] : {std::pair{"txt_quorveldir", temp_.path()},
                                      {"txt_apdir", QString("/m/api")},
                                      {"txt_scdir", QString("/m/scm")}})
        QTest::keyClicks(prefs->findChild<QLineEdit*>(name), typed);
    QTest::mouseClick(prefs->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(main.isVisible() && !prefs->isVisible() && main_raises.count == 1);
    EXPECT_EQ(read_file("quorvel.ini"), temp_.path().toUtf8() + "\r\n/m/api\r\n/m/scm\r\n");

    click_menu("mnu_pref"); // hidden, not gone
    main.activateWindow();
    EXPECT_EQ(active(), &main);
    click_menu("mnu_pref");
    EXPECT_TRUE(preferences() == prefs && prefs->isVisible() && prefs_raises.count == 2);
    EXPECT_EQ(active(), prefs);
    QTest::mouseClick(prefs->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(main_raises.count == 2 && active() == &main);

    click_menu("mnu_pref");
    bool busy = false;
    QObject::connect(prefs, &PreferencesWindow::closed, [&busy] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busy = cursor && cursor->shape() == Qt::WaitCursor;
    });
    click("cmd_ApiScm");
    EXPECT_TRUE(busy && preferences() == nullptr && main.isVisible() && ended.isEmpty());
    EXPECT_EQ(dialogs_.texts(), QStringList{"Please select a source and destination file"});
    click_menu("mnu_pref");
    main.close();
    EXPECT_TRUE(ended.count() == 1 && preferences() == nullptr);
}

// With settings the main window comes up alone, in Step 1, without a word, the
// focus on the API "..." button; Help shows who made it.
TEST_F(MainWindowStartTest, ControlsStandWhereTheLayoutPutsThem) {
    start();
    EXPECT_TRUE(dialogs_.messages.empty() && preferences() == nullptr && step() == 1);
    EXPECT_EQ(window_->focusWidget(), control("cmd_BrwApi"));
    // Its focus mark shows from the start: the button looks otherwise without the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    const QImage focused = control("cmd_BrwApi")->grab().toImage();
    control("txt_api")->setFocus();
    EXPECT_NE(control("cmd_BrwApi")->grab().toImage(), focused);
    EXPECT_EQ(window_->objectName() + '|' + window_->windowTitle(), "frm_main|Trellwick");
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    for (const auto& [name, place] : {std::pair{"Label3", QRect(16, 32, 64, 17)},
                                      {"Label9", QRect(16, 24, 289, 57)},
                                      {"opt_asd2t_7", QRect(8, 264, 224, 17)},
                                      {"opt_asd2t_8", QRect(232, 96, 96, 17)}})
        EXPECT_EQ(control(name)->geometry(), place) << name;
    const auto* types = window_->findChild<QButtonGroup*>("opt_asd2t");
    EXPECT_EQ(types ? types->buttons().size() : 0, 17);
    EXPECT_EQ(control("Label9")->font().pointSizeF(), 7.5); // made smaller to fit
#ifdef _WIN32
    // The caption's line is two pixels shorter in Qt's Windows font engine.
    EXPECT_EQ(control("frm_up")->contentsRect().top(), 13);
#else
    EXPECT_EQ(control("frm_up")->contentsRect().top(), 15); // the caption stands on the border
#endif
    click_menu("mnu_help");
    EXPECT_EQ(dialogs_.texts(), QStringList{"Trellwick\r\nA tool to convert API macros to SCM "
                                            "macros for ASD version 2\r\n\r\nCopyright (C) 2026 "
                                            "the Trellwick developers\r\nLicense MIT: "
                                            "<https://opensource.org/licenses/MIT>."});
    const ShownMessage& help = dialogs_.messages.front();
    EXPECT_EQ(std::tuple(help.message.title, help.message.icon, help.message.buttons, help.parent),
              std::tuple("Trellwick", MessageIcon::Question, MessageButtons::Ok, window_.get()));
}

} // namespace
} // namespace trellwick

// Files that misbehave, seen from the window: the user gets one clear message
// box, the window stays in the step it was in, and nothing is lost.

#include "main_window_fixture.h"

#include <QImage>

namespace trellwick {
namespace {

// Open descriptors of this process, to see that no failure leaves a file open.
int open_descriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

class MainWindowFaultTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        descriptors_before_ = open_descriptors();
    }
    void TearDown() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#ifdef Q_OS_LINUX
        // The window's first showing opens a few descriptors of the platform
        // for good; a failure must not add files of its own.
        EXPECT_LE(open_descriptors(), descriptors_before_ + 4);
        for (const QFileInfo& entry :
             QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files))
            EXPECT_FALSE(entry.symLinkTarget().startsWith(temp_.path()))
                << entry.symLinkTarget().toStdString();
#endif
        MainWindowTest::TearDown();
    }

    void type_paths(const QString& api, const QString& scm) {
        type("txt_api", api);
        type("txt_scm", scm);
    }

    int descriptors_before_ = 0;
};

TEST_F(MainWindowFaultTest, AnApiFileThatCantBeOpenedIsNamedInTheWarning) {
    start();
    type_paths(path("missing.api"), path("house.scm"));
    click("cmd_ApiScm");
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    const ShownMessage& warning = dialogs_.messages().front();
    EXPECT_EQ(warning.text, "Cannot open " + path("missing.api") + ": No such file or directory");
    EXPECT_EQ(warning.title, QStringLiteral("Trellwick"));
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_FALSE(shown("frm_asd2t"));
    EXPECT_FALSE(QFile::exists(path("macro.temp")));

    type_paths(temp_.path(), path("house.scm"));
    click("cmd_ApiScm");
    EXPECT_EQ(dialogs_.messages().back().text,
              "Cannot read " + temp_.path() + ": it is a directory");
    EXPECT_FALSE(shown("frm_asd2t"));
}

TEST_F(MainWindowFaultTest, ADestinationThatCantBeCreatedKeepsStepTwo) {
    start();
    write_file(QStringLiteral("house.api"), "RefPoint( 7 :1 1 a b )\r\nx %6 \r\n");
    type_paths(path("house.api"), path("no/such/dir/house.scm"));
    click("cmd_ApiScm");
    ASSERT_TRUE(shown("frm_asd2t"));
    type("txt_name", QStringLiteral("House"));
    type("txt_bmp", QStringLiteral("house.bmp"));
    choose_type(8);
    click("cmd_asd2t");
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages().back().text,
              "Cannot create " + path("no/such/dir/house.scm") + ": No such file or directory");
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_FALSE(shown("frm_up"));

    // Mend the path in step 2 and continue.
    type("txt_scm", path("house.scm"));
    click("cmd_asd2t");
    EXPECT_TRUE(shown("frm_up"));
    type("txt_up1", QStringLiteral("Color1"));
    click("cmd_up");
    EXPECT_TRUE(read_file(QStringLiteral("house.scm")).endsWith("x %1 \r\n"));
    EXPECT_EQ(dialogs_.messages().size(), 1u);
}

TEST_F(MainWindowFaultTest, AMacroWithoutReferencePointIsRefusedBeforeTheDestinationIsTouched) {
    start();
    write_file(QStringLiteral("house.api"), "Points( 0\r\n1 2 3 )\r\n");
    write_file(QStringLiteral("house.scm"), "earlier");
    type_paths(path("house.api"), path("house.scm"));
    dialogs_.answer_message(true); // overwrite
    click("cmd_ApiScm");
    type("txt_name", QStringLiteral("House"));
    type("txt_bmp", QStringLiteral("house.bmp"));
    choose_type(8);
    click("cmd_asd2t");
    EXPECT_EQ(dialogs_.messages().back().text,
              "Cannot read the scale of the reference point in macro.temp: no line holds "
              "\"RefPoint(\"");
    EXPECT_TRUE(shown("frm_asd2t"));
    EXPECT_EQ(read_file(QStringLiteral("house.scm")), QByteArray("earlier"));
}

TEST_F(MainWindowFaultTest, TheWorkFileAsDestinationIsRefused) {
    start();
    write_file(QStringLiteral("house.api"), "x %4 \r\n");
    type_paths(path("house.api"), path("house.scm"));
    click("cmd_ApiScm");
    type("txt_scm", path("macro.temp"));
    type("txt_name", QStringLiteral("House"));
    type("txt_bmp", QStringLiteral("house.bmp"));
    choose_type(8);
    click("cmd_asd2t");
    EXPECT_EQ(dialogs_.messages().back().text,
              "Cannot write " + path("macro.temp") +
                  ": it is the work file that the conversion reads");
    EXPECT_EQ(read_file(QStringLiteral("macro.temp")), QByteArray("x %sca \r\n"));
}

TEST_F(MainWindowFaultTest, TheApiMacroAsDestinationIsRefusedBeforeTheQuestion) {
    start();
    write_file(QStringLiteral("house.api"), "x %4 \r\n");
    struct Row {
        const char* how;
        bool chosen;
        QString scm;
    };
    const Row rows[] = {
        {"typed in another spelling", false, temp_.path() + "/./house.api"},
        // The SCM chooser offers the API macro just chosen; Enter takes it.
        {"chosen with the SCM chooser", true, path("house.api")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        dialogs_.answer_file(path("house.api"));
        click("cmd_BrwApi");
        if (row.chosen) {
            dialogs_.answer_file(path("house.api"));
            click("cmd_BrwSCM");
        } else {
            type("txt_scm", row.scm);
        }
        const std::size_t shown_before = dialogs_.messages().size();
        click("cmd_ApiScm");
        ASSERT_EQ(dialogs_.messages().size(), shown_before + 1);
        const ShownMessage& warning = dialogs_.messages().back();
        EXPECT_EQ(warning.text,
                  "Cannot write " + row.scm + ": it is the API macro that the conversion reads");
        EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
        EXPECT_EQ(text("txt_api"), path("house.api"));
        EXPECT_EQ(text("txt_scm"), row.scm);
        EXPECT_FALSE(shown("frm_asd2t"));
        EXPECT_EQ(read_file(QStringLiteral("house.api")), QByteArray("x %4 \r\n"));
        EXPECT_FALSE(QFile::exists(path("macro.temp")));
    }
}

TEST_F(MainWindowFaultTest, SettingsFilesThatAreNoSettingsLeadToThePreferences) {
    for (const QByteArray& content :
         {QByteArray(200 * 1024, 'x'), QByteArray("\0\0\0", 3), QByteArray("a,b")}) {
        write_file(QStringLiteral("quorvel.ini"), content);
        start(false);
        EXPECT_FALSE(window().isVisible());
        ASSERT_NE(preferences(), nullptr);
        EXPECT_TRUE(preferences()->isVisible());
        EXPECT_TRUE(dialogs_.messages().empty());
        window_.reset();
    }
    QFile::remove(path("quorvel.ini"));
    QDir(temp_.path()).mkdir(QStringLiteral("quorvel.ini"));
    start(false);
    EXPECT_FALSE(window().isVisible());
    EXPECT_NE(preferences(), nullptr);
}

TEST_F(MainWindowFaultTest, ASaveThatFailsLeavesEverythingAsItWas) {
    start(false);
    PreferencesWindow* prefs = preferences();
    ASSERT_NE(prefs, nullptr);
    const auto set = [&](const char* name, const QString& text) {
        prefs->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    };
    set("txt_quorveldir", path("missing"));
    set("txt_apdir", path("api"));
    set("txt_scdir", path("scm"));
    QTest::mouseClick(prefs->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_TRUE(dialogs_.messages().front().text.startsWith("Cannot create " + path("missing")))
        << dialogs_.messages().front().text.toStdString();
    EXPECT_TRUE(prefs->isVisible());
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(settings_.progdir().empty());
}

TEST_F(MainWindowFaultTest, ATruncatedBitmapShowsNoPreviewAndNoMessage) {
    start();
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path("whole.bmp"), "BMP"));
    write_file(QStringLiteral("cut.bmp"), read_file(QStringLiteral("whole.bmp")).left(40));
    type("txt_scm", path("house.scm"));
    type("txt_bmp", QStringLiteral("whole.bmp"));
    ASSERT_FALSE(control<QLabel>("pic_bmp")->pixmap().isNull());
    type("txt_bmp", QStringLiteral("cut.bmp"));
    EXPECT_TRUE(control<QLabel>("pic_bmp")->pixmap().isNull());
    EXPECT_TRUE(dialogs_.messages().empty());
}

} // namespace
} // namespace trellwick

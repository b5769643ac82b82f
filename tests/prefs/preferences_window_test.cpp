// The Preferences window and its directory list, used with real clicks and
// keys in a fresh working directory that holds alpha/, beta/ and beta/inner/.

#include "prefs/directory_list.h"
#include "prefs/preferences_window.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

class PreferencesWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir::setCurrent(work_.path()) && QDir().mkpath("alpha") &&
                    QDir().mkpath("beta/inner"));
        cwd_ = QDir::currentPath();
        window_ = std::make_unique<PreferencesWindow>(dialogs_, settings_);
        window_->show_settings();
    }
    void TearDown() override {
        window_.reset();
        QDir::setCurrent(QDir::tempPath());
    }
    template <typename Widget = QWidget> Widget* child(const char* name) const {
        return window_->findChild<Widget*>(QLatin1String(name));
    }
    QString boxes() const {
        return child<QLineEdit>("txt_quorveldir")->text() + '|' +
               child<QLineEdit>("txt_apdir")->text() + '|' + child<QLineEdit>("txt_scdir")->text();
    }
    void click(const char* name) const {
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    }
    DirectoryList* list() const { return child<DirectoryList>("Dir1"); }
    // Paths as the window shows them, and the root that the directory list
    // climbs to from the temporary directory: "/", or the system drive's "C:/".
    static QString native(const QString& path) { return QDir::toNativeSeparators(path); }
    static QString root() { return QDir::rootPath(); }
    QList<QTreeWidgetItem*> items() const {
        QList<QTreeWidgetItem*> all;
        for (QTreeWidgetItemIterator it(list()); *it; ++it)
            all.append(*it);
        return all;
    }
    // The entries from the top, below the working directory as the rest of
    // their paths, each parent above it as "^".
    QStringList entries() const {
        QStringList paths;
        for (const QTreeWidgetItem* item : items()) {
            const QString path = DirectoryList::entry_path(item);
            paths.append(path.startsWith(cwd_) ? path.mid(cwd_.size()) : "^");
        }
        return paths;
    }
    // A click, then a second press that arrives as a double click, then its release.
    void double_click(int row) const {
        const QPoint at = list()->visualItemRect(items().value(row)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, at);
    }

    QTemporaryDir work_;
    ScriptedDialogs dialogs_;
    Settings settings_;
    std::unique_ptr<PreferencesWindow> window_;
    QString cwd_;
};

// Captions that don't fit their places take the free room up to the boxes.
TEST_F(PreferencesWindowTest, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(window_->objectName() + '|' + window_->windowTitle(), "frm_pref|Preferences");
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    for (const auto& [name, place] :
         {std::pair{"Label2", QRect(8, 48, 113, 17)},
          {"Label3", QRect(8, 72, 124, 17)},
#ifdef _WIN32
          // Its three lines are a pixel taller in Qt's Windows font engine.
          {"Label4", QRect(8, 96, 124, 57)}})
#else
          {"Label4", QRect(8, 96, 124, 56)}})
#endif
        EXPECT_EQ(child(name)->geometry(), place) << name;
}

TEST_F(PreferencesWindowTest, SaveWritesTheBoxesAsTypedOrSaysWhyNot) {
    const char* const empty = "Please make sure all three directories have been selected";
    struct Row {
        const char *progdir, *apidir, *scmdir, *message;
        QByteArray file;
    };
    const Row rows[] = {
        {"", "/a", "/s", empty, ""},
        {".", "/a", "", empty, ""},
        {".", "/a/\u0101", "/s",
         "The default API directory contains a character that can't be "
         "written to the settings file: \u0101",
         ""},
        // The message names the full path of the file.
        {"missing", "/a", "/s", "Cannot create CWD/missing/quorvel.ini: No such file or directory",
         ""},
        {".", " ", "  /s\u00e9\u20ac ", "", ".\r\n \r\n  /s\xe9\x80 \r\n"},
    };
    QSignalSpy saved(window_.get(), &PreferencesWindow::saved);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        child<QLineEdit>("txt_quorveldir")->setText(row.progdir);
        child<QLineEdit>("txt_apdir")->setText(row.apidir);
        child<QLineEdit>("txt_scdir")->setText(row.scmdir);
        click("Command2");
        EXPECT_EQ(dialogs_.texts().value(0),
                  native(QString::fromUtf8(row.message).replace("CWD", QDir::currentPath())));
        EXPECT_EQ(window_->isVisible(), !dialogs_.texts().isEmpty());
        QFile file("quorvel.ini");
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : "", row.file);
        EXPECT_EQ(settings_.scmdir(), row.file.isEmpty() ? "" : "  /s\xe9\x80 ");
        EXPECT_EQ(saved.count(), row.file.isEmpty() ? 0 : 1);
        dialogs_.messages.clear();
    }
    for (const char* name : {"txt_quorveldir", "txt_apdir", "txt_scdir"})
        child<QLineEdit>(name)->setText("edited");
    window_->show_settings(); // edits not saved are dropped
    EXPECT_EQ(boxes(), ".| |  /s\u00e9\u20ac ");
}

// "Select" copies the open directory, not the highlighted one, into the box of
// the last "..." button pressed.
TEST_F(PreferencesWindowTest, ChooserFillsTheBoxOfTheLastButtonWithTheOpenDirectory) {
    EXPECT_TRUE(child<QGroupBox>("frm_chdir")->isHidden());
    EXPECT_EQ(entries().join(' '), QString("^ ").repeated(cwd_.count('/')) + " /alpha /beta");
    EXPECT_EQ(list()->currentItem()->toolTip(0) + '|' + items()[0]->text(0),
              native(cwd_ + '|' + root()));
    click("cmd_quorvel");
    click("cmd_scm");
    EXPECT_TRUE(child<QGroupBox>("frm_chdir")->isVisible());
    click("Command1");
    EXPECT_EQ(boxes(), "||" + native(cwd_));
    EXPECT_TRUE(child<QGroupBox>("frm_chdir")->isHidden());

    click("cmd_quorvel");
    double_click(entries().indexOf("/beta"));
    EXPECT_EQ(entries().mid(entries().indexOf("")), QStringList({"", "/beta", "/beta/inner"}));
    // The open directory and its parents show one icon, its subdirectories another.
    const auto icon = [&](int row) {
        return items()[row]->icon(0).pixmap(16).toImage();
    };
    EXPECT_EQ(icon(1), icon(entries().indexOf("/beta")));
    EXPECT_NE(icon(1), icon(entries().indexOf("/beta/inner")));
    // Nothing folds, and the root stands at the edge without a branch mark or header.
    QTest::keyClick(list(), Qt::Key_Left);
    EXPECT_FALSE(list()->visualItemRect(items().last()).isEmpty());
    EXPECT_EQ(list()->visualItemRect(items()[0]).topLeft(), QPoint(0, 0));
    EXPECT_TRUE(list()->header()->isHidden());
    // Nor is a fold mark drawn beside an entry below it: left of each it is all one colour.
    const QImage drawn = list()->viewport()->grab().toImage();
    for (const QTreeWidgetItem* item : items().mid(1)) {
        const QRect entry = list()->visualItemRect(item);
        const int indent = list()->indentation();
        const QImage beside =
            drawn.copy(entry.left() - indent, entry.top(), indent, entry.height());
        QImage plain(beside.size(), beside.format());
        plain.fill(beside.pixel(0, 0));
        EXPECT_EQ(beside, plain) << DirectoryList::entry_path(item).toStdString();
    }
    list()->setCurrentItem(items()[entries().indexOf("/beta/inner")]);
    click("Command1");
    EXPECT_EQ(boxes(), native(cwd_ + "/beta||" + cwd_));

    click("cmd_api");
    QTest::keyClick(list(), Qt::Key_Up); // from inner to beta, then to its parent
    QTest::keyClick(list(), Qt::Key_Up);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(list()->current_path(), native(cwd_));
    auto* drives = child<QComboBox>("Drive1");
    EXPECT_EQ(drives->currentData(), root());
    for (const QString& unreadable : {cwd_ + "/missing", QCoreApplication::applicationFilePath()}) {
        drives->addItem(unreadable, unreadable); // the list stays where it was
        drives->setCurrentIndex(drives->count() - 1);
    }
    EXPECT_EQ(list()->current_path(), native(cwd_));
    double_click(0); // the root
    click("Command1");
    EXPECT_EQ(boxes(), native(cwd_ + "/beta|" + root() + '|' + cwd_));
    drives->addItem("beta", cwd_ + "/beta/");
    drives->setCurrentIndex(drives->count() - 1);
    EXPECT_EQ(list()->current_path(), native(cwd_ + "/beta"));
    // Deep down, the open directory shows with as many parents above it as fit.
    QDir().mkpath(cwd_ + "/d/d/d/d/d/d/d/d/d/d/d/d");
    drives->addItem("deep", cwd_ + "/d/d/d/d/d/d/d/d/d/d/d/d");
    drives->setCurrentIndex(drives->count() - 1);
    for (int up = 0; up < 2; ++up) { // then two levels up
        const QRect open = list()->visualItemRect(list()->currentItem());
        EXPECT_TRUE(list()->viewport()->rect().contains(open) &&
                    open.bottom() + open.height() > list()->viewport()->height());
        QTest::keyClick(list(), Qt::Key_Up);
        QTest::keyClick(list(), Qt::Key_Up);
        QTest::keyClick(list(), Qt::Key_Return);
    }
    drives->setCurrentIndex(0);
    EXPECT_EQ(list()->current_path(), native(root()));
    EXPECT_TRUE(dialogs_.messages.empty());
}

// Where the platform has an icon theme, its open folder marks the open
// directory and its parents, its closed folder the subdirectories.
TEST_F(PreferencesWindowTest, FoldersAreTheIconThemes) {
    QTemporaryDir themes;
    QDir(themes.path()).mkpath("scratch/16x16/places");
    QFile index(themes.filePath("scratch/index.theme"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly) &&
                index.write("[Icon Theme]\nName=Scratch\nDirectories=16x16/places\n\n"
                            "[16x16/places]\nSize=16\nType=Fixed\n") > 0);
    index.close();
    for (const auto& [name, colour] : {std::pair{"folder", Qt::red}, {"folder-open", Qt::green}}) {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(
            picture.save(themes.filePath(QString("scratch/16x16/places/%1.png").arg(name))));
    }
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName("scratch");
    list()->set_current_path(cwd_);
    QStringList shown;
    for (const QTreeWidgetItem* item : items())
        shown.append(QColor(item->icon(0).pixmap(16).toImage().pixel(8, 8)).name());
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(theme);
    EXPECT_EQ(shown.join(' '),
              QString("#00ff00 ").repeated(cwd_.count('/') + 1) + "#ff0000 #ff0000");
}

// The drive list starts on the working directory's volume, also when that
// isn't the first.
TEST_F(PreferencesWindowTest, DriveListStartsOnTheWorkingDirectorysVolume) {
#ifdef _WIN32
    // A drive letter after C:, as Wine's Z: (the build machine's root) that holds the test.
    const QString directory = QCoreApplication::applicationDirPath(), volume = directory.left(3);
#else
    QTemporaryDir shm("/dev/shm/trellwick-XXXXXX");
    const QString directory = shm.path(), volume = "/dev/shm";
#endif
    if (directory.isEmpty() || volume == root() || QStorageInfo(directory).rootPath() != volume)
        GTEST_SKIP() << volume.toStdString() << " is no volume of its own here";
    ASSERT_TRUE(QDir::setCurrent(directory));
    const PreferencesWindow window(dialogs_, settings_);
    EXPECT_EQ(window.findChild<QComboBox*>("Drive1")->currentData(), volume);
}

} // namespace
} // namespace trellwick

#include "prefs/drive_roots.h"
#include "prefs/preferences_window.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace trellwick {
namespace {

using Target = PreferencesWindow::ChooserTarget;

class PreferencesWindowTest : public WorkingDirectoryTest {
protected:
    void SetUp() override {
        WorkingDirectoryTest::SetUp();
        window_ = new PreferencesWindow(dialogs_, settings_);
        window_->show_settings();
    }
    void TearDown() override {
        delete window_.data();
        WorkingDirectoryTest::TearDown();
    }

    template <typename Widget> Widget* child(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QGroupBox* chooser() const { return child<QGroupBox>("frm_chdir"); }
    DirectoryList* dir_list() const { return child<DirectoryList>("Dir1"); }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    QStringList box_texts() const {
        return {box("txt_quorveldir")->text(), box("txt_apdir")->text(), box("txt_scdir")->text()};
    }
    void fill(const QString& progdir, const QString& apidir, const QString& scmdir) {
        box("txt_quorveldir")->setText(progdir);
        box("txt_apdir")->setText(apidir);
        box("txt_scdir")->setText(scmdir);
    }
    QPoint centre_of(const QString& path) const {
        QTreeWidgetItem* item = entry(*dir_list(), path);
        EXPECT_NE(item, nullptr) << path.toStdString();
        return item ? dir_list()->visualItemRect(item).center() : QPoint();
    }
    // What a mouse sends for a double click: a click, then a second press that
    // arrives as a double click, then its release.
    void double_click(const QString& path) {
        const QPoint at = centre_of(path);
        QTest::mouseClick(dir_list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dir_list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(dir_list()->viewport(), Qt::LeftButton, {}, at);
    }
    void expect_saved_nothing() const {
        EXPECT_FALSE(exists("quorvel.ini"));
        EXPECT_EQ(settings_.progdir(), "");
        EXPECT_TRUE(window_->isVisible());
    }

    ScriptedDialogs dialogs_;
    Settings settings_;
    QPointer<PreferencesWindow> window_;
};

TEST_F(PreferencesWindowTest, StartsWithItsLayoutAndNothingChosen) {
    EXPECT_EQ(window_->objectName(), "frm_pref");
    EXPECT_EQ(window_->windowTitle(), "Preferences");
    EXPECT_EQ(window_->minimumSize(), QSize(407, 470));
    EXPECT_EQ(window_->maximumSize(), QSize(407, 470));

    struct Control {
        const char* name;
        QString caption;
        QRect place;
    };
    const Control controls[] = {
        {"Label1", "Please specify the following directories:", {8, 8, 344, 21}},
        {"Label2", "Quorvel directory", {8, 48, 113, 17}},
        {"Label3", "Default API directory", {8, 72, 121, 17}},
        {"Label4",
         "Default SCM directory (this is probably the macro directory of ASD)",
         {8, 96, 113, 41}},
        {"txt_quorveldir", "", {136, 48, 217, 19}},
        {"txt_apdir", "", {136, 72, 217, 19}},
        {"txt_scdir", "", {136, 96, 217, 19}},
        {"cmd_quorvel", "...", {360, 48, 33, 17}},
        {"cmd_api", "...", {360, 72, 33, 17}},
        {"cmd_scm", "...", {360, 96, 33, 17}},
        {"Command2", "Save preferences", {208, 128, 161, 25}},
        {"frm_chdir", "", {8, 160, 393, 305}},
        {"Drive1", "", {8, 16, 377, 21}},
        {"Dir1", "", {8, 40, 377, 216}},
        {"Command1", "Select", {312, 272, 73, 25}},
    };
    for (const Control& control : controls) {
        SCOPED_TRACE(control.name);
        const QWidget* widget = child<QWidget>(control.name);
        ASSERT_NE(widget, nullptr);
        const QVariant text = widget->property("text");
        EXPECT_EQ(text.isValid() ? text.toString() : QString(), control.caption);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            // A label may grow into the free room so that its caption is
            // read whole, never into the text boxes or the chooser.
            EXPECT_EQ(label->pos(), control.place.topLeft());
            EXPECT_TRUE(label->geometry().contains(control.place));
            const bool beside_a_box = control.place.top() >= 48;
            EXPECT_LT(label->geometry().right(), beside_a_box ? 136 : 407);
            EXPECT_LT(label->geometry().bottom(), 160);
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            else
                EXPECT_LE(label->sizeHint().width(), label->width());
        } else {
            EXPECT_EQ(widget->geometry(), control.place);
        }
    }
    EXPECT_TRUE(child<QLabel>("Label4")->wordWrap());
    for (const char* name : {"cmd_quorvel", "cmd_api", "cmd_scm"}) {
        const QFont font = child<QPushButton>(name)->font();
        EXPECT_EQ(font.family(), "MS Sans Serif");
        EXPECT_EQ(font.pointSizeF(), 9.75);
        EXPECT_TRUE(font.bold());
    }

    EXPECT_TRUE(chooser()->isHidden());
    EXPECT_EQ(window_->chooser_target(), Target::None);
    EXPECT_EQ(box_texts(), QStringList({"", "", ""}));
    EXPECT_EQ(dir_list()->current_path(), native());
    EXPECT_EQ(child<QComboBox>("Drive1")->currentData().toString(), drive_root_of(cwd_));
}

TEST_F(PreferencesWindowTest, TabOrderFollowsTheBoxesThenTheButtonsThenTheChooser) {
    const QStringList order = {"txt_quorveldir", "txt_apdir", "txt_scdir", "cmd_quorvel",
                               "cmd_api",        "cmd_scm",   "Drive1",    "Command1",
                               "Dir1",           "Command2"};
    QStringList seen;
    QWidget* widget = child<QWidget>("txt_quorveldir");
    do {
        if (order.contains(widget->objectName()))
            seen.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != child<QWidget>("txt_quorveldir"));
    EXPECT_EQ(seen, order);
}

TEST_F(PreferencesWindowTest, OpeningRefillsTheBoxesFromTheSavedValues) {
    ASSERT_TRUE(settings_.save_settings(cwd_.toStdString(), "caf\xE9", "/scm").ok());
    fill("edited", "", "not saved");
    window_->hide();

    window_->show_settings();
    EXPECT_EQ(box_texts(), QStringList({cwd_, "café", "/scm"}));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(PreferencesWindowTest, SaveWritesTheBoxesAsTypedThenHides) {
    bool visible_when_saved = false;
    QObject::connect(window_, &PreferencesWindow::saved,
                     [this, &visible_when_saved] { visible_when_saved = window_->isVisible(); });
    fill(cwd_, " ", "  /scm ");

    click("Command2");
    EXPECT_TRUE(dialogs_.messages().empty()) << dialogs_.message_texts().join('\n').toStdString();
    QFile file(cwd_ + "/quorvel.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), (cwd_ + "\r\n \r\n  /scm \r\n").toUtf8());
    EXPECT_EQ(settings_.apidir(), " ");
    EXPECT_EQ(settings_.scmdir(), "  /scm ");
    EXPECT_TRUE(visible_when_saved);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(PreferencesWindowTest, SaveWritesTheCodePage) {
    ASSERT_TRUE(QDir(cwd_).mkdir(QStringLiteral("café")));
    fill(cwd_ + "/café", "€", "x");
    click("Command2");
    ASSERT_TRUE(dialogs_.messages().empty()) << dialogs_.message_texts().join('\n').toStdString();
    QFile file(cwd_ + "/café/quorvel.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), cwd_.toUtf8() + "/caf\xE9\r\n\x80\r\nx\r\n");
}

TEST_F(PreferencesWindowTest, AnEmptyBoxOnlyWarns) {
    QSignalSpy saved(window_.data(), &PreferencesWindow::saved);
    const QStringList filled = {cwd_, "/api", "/scm"};
    for (int empty = 0; empty < 3; ++empty) {
        QStringList texts = filled;
        texts[empty].clear();
        fill(texts[0], texts[1], texts[2]);
        click("Command2");

        ASSERT_EQ(dialogs_.messages().size(), static_cast<std::size_t>(empty + 1));
        const ShownMessage& shown = dialogs_.messages().back();
        EXPECT_EQ(shown.text, "Please make sure all three directories have been selected");
        EXPECT_EQ(shown.title, "Trellwick");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.parent, window_.data());
        EXPECT_EQ(box_texts(), texts);
        expect_saved_nothing();
    }
    EXPECT_EQ(saved.count(), 0);
}

TEST_F(PreferencesWindowTest, ACharacterTheSettingsFileCannotHoldOnlyWarns) {
    fill(cwd_, "/api/\u0101", "/scm");
    click("Command2");
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList({"The default API directory contains a character that can't be written "
                           "to the settings file: \u0101"}));
    EXPECT_EQ(box_texts(), QStringList({cwd_, "/api/\u0101", "/scm"}));
    expect_saved_nothing();
}

TEST_F(PreferencesWindowTest, AnUnwritableProgramDirectoryWarnsAndTheWindowStays) {
    QSignalSpy saved(window_.data(), &PreferencesWindow::saved);
    fill(cwd_ + "/missing", "/api", "/scm");
    click("Command2");
    EXPECT_EQ(dialogs_.message_texts(),
              QStringList({"Cannot create " + native("missing") + QDir::separator() +
                           "quorvel.ini: No such file or directory"}));
    EXPECT_EQ(box_texts(), QStringList({cwd_ + "/missing", "/api", "/scm"}));
    EXPECT_FALSE(exists("missing"));
    expect_saved_nothing();
    EXPECT_EQ(saved.count(), 0);
}

TEST_F(PreferencesWindowTest, SelectFillsOnlyTheBoxOfTheLastChooserButton) {
    click("cmd_api");
    EXPECT_TRUE(chooser()->isVisible());
    EXPECT_EQ(window_->chooser_target(), Target::ApiDirectory);
    click("cmd_scm");
    click("Command1");

    EXPECT_EQ(box_texts(), QStringList({"", "", native()}));
    EXPECT_TRUE(chooser()->isHidden());
    EXPECT_EQ(window_->chooser_target(), Target::ScmDirectory);
}

TEST_F(PreferencesWindowTest, SelectCopiesTheOpenDirectoryNotTheHighlightedOne) {
    click("cmd_quorvel");
    QTest::mouseClick(dir_list()->viewport(), Qt::LeftButton, {}, centre_of(cwd_ + "/beta"));
    EXPECT_EQ(dir_list()->currentItem(), entry(*dir_list(), cwd_ + "/beta"));
    click("Command1");
    EXPECT_EQ(box("txt_quorveldir")->text(), native());
}

TEST_F(PreferencesWindowTest, DoubleClickOpensADirectory) {
    click("cmd_api");
    double_click(cwd_ + "/beta");
    EXPECT_EQ(dir_list()->current_path(), native("beta"));
    EXPECT_NE(entry(*dir_list(), cwd_ + "/beta/inner"), nullptr);
    EXPECT_EQ(entry(*dir_list(), cwd_ + "/alpha"), nullptr);

    double_click(QDir::rootPath());
    EXPECT_EQ(dir_list()->current_path(), QDir::toNativeSeparators(QDir::rootPath()));
    click("Command1");
    EXPECT_EQ(box("txt_apdir")->text(), QDir::toNativeSeparators(QDir::rootPath()));
}

TEST_F(PreferencesWindowTest, ChooserLeftOpenStaysOpenAcrossASave) {
    click("cmd_quorvel");
    fill(cwd_, "/api", "/scm");
    click("Command2");
    ASSERT_FALSE(window_->isVisible());
    EXPECT_FALSE(chooser()->isHidden());

    window_->show_settings();
    EXPECT_TRUE(chooser()->isVisible());
    EXPECT_EQ(window_->chooser_target(), Target::QuorvelDirectory);
    EXPECT_EQ(box_texts(), QStringList({cwd_, "/api", "/scm"}));
}

TEST_F(PreferencesWindowTest, DriveChangeMovesTheDirectoryListUnlessTheDriveCannotBeRead) {
    click("cmd_quorvel");
    auto* drives = child<QComboBox>("Drive1");
    drives->addItem(QStringLiteral("beta"), cwd_ + "/beta");
    drives->addItem(QStringLiteral("no medium"), cwd_ + "/missing");
    drives->setFocus();

    drives->setCurrentIndex(drives->count() - 2);
    EXPECT_EQ(dir_list()->current_path(), native("beta"));
    QTest::keyClick(drives, Qt::Key_End);
    EXPECT_EQ(drives->currentText(), "no medium");
    EXPECT_EQ(dir_list()->current_path(), native("beta"));
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(PreferencesWindowTest, ClosingDeletesTheWindowWithoutSaving) {
    for (const bool hidden_first : {false, true}) {
        SCOPED_TRACE(hidden_first ? "hidden" : "shown");
        if (!window_) {
            window_ = new PreferencesWindow(dialogs_, settings_);
            window_->show_settings();
        }
        QSignalSpy closed(window_.data(), &PreferencesWindow::closed);
        fill(cwd_, "/api", "/scm");
        if (hidden_first)
            window_->hide();
        window_->close();
        EXPECT_EQ(closed.count(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window_.isNull());
        EXPECT_FALSE(exists("quorvel.ini"));
    }
}

} // namespace
} // namespace trellwick

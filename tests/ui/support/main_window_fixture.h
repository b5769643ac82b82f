#pragma once

// A fresh main window per test, in its own temporary working directory that
// holds api/ and scm/, with message boxes and file choosers answered by
// ScriptedDialogs. Controls are found by their names and used with real clicks
// and keys.

#include "prefs/preferences_window.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace trellwick {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir::setCurrent(temp_.path()) && QDir().mkdir("api") && QDir().mkdir("scm"));
    }
    void TearDown() override {
        window_.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    // In the platform's separators, as a user types or a chooser gives them.
    QString path(const QString& name) const {
        return QDir::toNativeSeparators(QDir(temp_.path()).filePath(name));
    }
    void write_file(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray read_file(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(no file)";
    }

    // Starts the program as main() does; by default with settings naming the
    // test's directory, api/ and scm/.
    MainWindow& start(bool settings = true) {
        if (settings)
            write_file("quorvel.ini", (QDir::toNativeSeparators(temp_.path()) + "\r\n" +
                                       path("api") + "\r\n" + path("scm") + "\r\n")
                                          .toUtf8());
        window_ = std::make_unique<MainWindow>(settings_, dialogs_);
        window_->start();
        return *window_;
    }

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        return window_->findChild<Widget*>(QLatin1String(name));
    }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    // 2 or 3 while that step's frame is shown, otherwise 1.
    int step() const {
        return !control("frm_asd2t")->isHidden() ? 2 : !control("frm_up")->isHidden() ? 3 : 1;
    }
    // Clicks near the left edge, where a radio button's circle and caption are.
    void click(const char* name) const {
        QAbstractButton* button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    // Replaces the box's text by typing, each character as the key that gives it.
    void type(const char* name, const QString& text) const {
        QLineEdit* box = control<QLineEdit>(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Step 1 through the API chooser, which proposes the SCM path in scm/.
    void to_step_two(const QString& name, const QByteArray& content) {
        write_file("api/" + name, content);
        dialogs_.files.push_back(path("api/" + name));
        click("cmd_BrwApi");
        click("cmd_ApiScm");
    }
    // Clicks an item where it stands in the menu bar.
    void click_menu(const char* name) const {
        QMenuBar* bar = window_->menuBar();
        const QRect place = bar->actionGeometry(window_->findChild<QAction*>(name));
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, place.center());
    }
    // The four description boxes, "w" for white and "g" for grey.
    QString greys() const {
        QString marks;
        for (const char* name : {"txt_up1", "txt_up2", "txt_up3", "txt_up4"})
            marks +=
                control(name)->palette().color(QPalette::Base) == QColor(192, 192, 192) ? 'g' : 'w';
        return marks;
    }
    // The Preferences window, or null once a closed one has been deleted.
    PreferencesWindow* preferences() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window_->findChild<PreferencesWindow*>();
    }

    QTemporaryDir temp_;
    ScriptedDialogs dialogs_;
    Settings settings_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace trellwick

#pragma once

// A fresh main window per test, in its own temporary working directory, with
// message boxes and file choosers answered by ScriptedDialogs. Controls are
// found by their names and used with real clicks and keys.

#include "prefs/preferences_window.h"
#include "scripted_dialogs.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace trellwick {

inline const QString kHelpText = QStringLiteral(
    "Trellwick\r\nA tool to convert API macros to SCM macros for ASD version 2\r\n\r\n"
    "Copyright (C) 2026 the Trellwick developers\r\ntrellwick@users.noreply.example");

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        previous_directory_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(temp_.path()));
    }

    void TearDown() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous_directory_);
    }

    // A path inside the test's working directory.
    QString path(const QString& name) const { return temp_.filePath(name); }

    void write_file(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray read_file(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void write_settings(const QByteArray& progdir, const QByteArray& apidir,
                        const QByteArray& scmdir) const {
        write_file(QStringLiteral("quorvel.ini"),
                   progdir + "\r\n" + apidir + "\r\n" + scmdir + "\r\n");
    }

    // Starts the program as main() does; a settings file is written first
    // unless the test wrote its own or wants none.
    MainWindow& start(bool with_settings = true) {
        if (with_settings && !QFile::exists(path(QStringLiteral("quorvel.ini"))))
            write_settings(temp_.path().toLocal8Bit(), path("api").toLocal8Bit(),
                           path("scm").toLocal8Bit());
        window_ = std::make_unique<MainWindow>(settings_, dialogs_);
        window_->start();
        return *window_;
    }

    MainWindow& window() { return *window_; }

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }
    bool shown(const char* frame) const { return !control<QGroupBox>(frame)->isHidden(); }

    void click(const char* name) const {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    // Replaces the box's text by typing, as the user would.
    void type(const char* name, const QString& text) const {
        QLineEdit* target = box(name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(target, c.toLatin1());
            else // beyond ASCII, a key that produces the character
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void choose_type(int index) const {
        const QByteArray name = "opt_asd2t_" + QByteArray::number(index);
        click(name.constData());
    }

    // Clicks an item of the menu bar where it stands in the bar.
    void click_menu(const char* name) const {
        QMenuBar* bar = window_->menuBar();
        auto* action = window_->findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        const QRect place = bar->actionGeometry(action);
        ASSERT_TRUE(place.isValid()) << name;
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, place.center());
    }

    // The Preferences window, or null when there is none (a closed one counts
    // as gone once its deletion has run).
    PreferencesWindow* preferences() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window_->findChild<PreferencesWindow*>();
    }

    QTemporaryDir temp_;
    QString previous_directory_;
    ScriptedDialogs dialogs_;
    Settings settings_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace trellwick

#pragma once

// The main window's one Preferences window: created on first use, shown and
// hidden from then on, and destroyed when it is closed (the next opening
// creates it anew).

#include <QObject>
#include <QPointer>

class QWidget;

namespace trellwick {

class Dialogs;
class PreferencesWindow;
class Settings;

class PreferencesLink : public QObject {
    Q_OBJECT

public:
    PreferencesLink(QWidget* main_window, Dialogs& dialogs, Settings& settings);
    ~PreferencesLink() override;

    // Fills the boxes from the saved directories and shows the window, not
    // modal, in front, creating it when there is none.
    void open();
    // Closes the window if there is one; unsaved edits are dropped.
    void close();

signals:
    // The directories were saved; the window hides itself right after.
    void saved();
    // The window was closed and is going.
    void closed();

private:
    void forget_window();

    QWidget* main_window_;
    Dialogs& dialogs_;
    Settings& settings_;
    QPointer<PreferencesWindow> window_;
};

} // namespace trellwick

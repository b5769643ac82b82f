#pragma once

// What the conversion steps need from the main window while they run: message
// boxes through the Dialogs, and closing the Preferences window.

#include "conversion/host.h"

class QWidget;

namespace trellwick {

class Dialogs;
class PreferencesLink;

// The wait cursor while a step runs. Released for good before the first
// message box, so that the user never answers a box under a wait cursor.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void release();

private:
    bool active_ = true;
};

class WindowHost final : public Host {
public:
    WindowHost(QWidget* window, Dialogs& dialogs, BusyCursor& busy, PreferencesLink& preferences);

    void warn(const std::string& text) override;
    bool confirm_overwrite(const std::string& text) override;
    void close_preferences() override;

private:
    QWidget* window_;
    Dialogs& dialogs_;
    BusyCursor& busy_;
    PreferencesLink& preferences_;
};

} // namespace trellwick

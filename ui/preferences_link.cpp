#include "ui/preferences_link.h"

#include "prefs/preferences_window.h"

namespace trellwick {

PreferencesLink::PreferencesLink(QWidget* main_window, Dialogs& dialogs, Settings& settings)
    : QObject(main_window), main_window_(main_window), dialogs_(dialogs), settings_(settings) {}

PreferencesLink::~PreferencesLink() {
    delete window_.data();
}

void PreferencesLink::open() {
    if (!window_) {
        // A child of the main window, so that it goes with it.
        window_ = new PreferencesWindow(dialogs_, settings_, main_window_);
        connect(window_, &PreferencesWindow::saved, this, &PreferencesLink::saved);
        connect(window_, &PreferencesWindow::closed, this, &PreferencesLink::forget_window);
    }
    window_->show_settings();
}

void PreferencesLink::close() {
    if (window_)
        window_->close();
}

void PreferencesLink::forget_window() {
    // The window deletes itself later; from now on it counts as gone.
    window_ = nullptr;
    emit closed();
}

} // namespace trellwick

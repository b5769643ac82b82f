#include "ui/window_host.h"

#include "ui/preferences_link.h"
#include "widgets/dialogs.h"

#include <QCursor>
#include <QGuiApplication>

namespace trellwick {
namespace {

QString from_utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    release();
}

void BusyCursor::release() {
    if (active_)
        QGuiApplication::restoreOverrideCursor();
    active_ = false;
}

WindowHost::WindowHost(QWidget* window, Dialogs& dialogs, BusyCursor& busy,
                       PreferencesLink& preferences)
    : window_(window), dialogs_(dialogs), busy_(busy), preferences_(preferences) {}

void WindowHost::warn(const std::string& text) {
    busy_.release();
    dialogs_.warn(window_, from_utf8(text));
}

bool WindowHost::confirm_overwrite(const std::string& text) {
    busy_.release();
    return dialogs_.message(window_, {from_utf8(text), MessageIcon::None, MessageButtons::YesNo});
}

void WindowHost::close_preferences() {
    preferences_.close();
}

} // namespace trellwick

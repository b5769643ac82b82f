#include "ui/program.h"

#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "widgets/dialogs.h"

#include <QApplication>

namespace trellwick {

int run_main_window() {
    QtDialogs dialogs;
    Settings settings;
    MainWindow window(settings, dialogs);
    window.start();
    // The program ends when its last window closes: the main window takes the
    // Preferences window along, and the lone Preferences window of the first
    // start is the last one.
    return QApplication::exec();
}

} // namespace trellwick

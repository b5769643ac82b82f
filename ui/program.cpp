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
    // The program ends with its main window. Qt ends the loop only when the
    // last shown window closes, and the main window that waits hidden behind
    // the Preferences window of a first start was never shown.
    QObject::connect(&window, &MainWindow::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.start();
    return QApplication::exec();
}

} // namespace trellwick

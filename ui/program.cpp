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
    QObject::connect(&window, &MainWindow::closed, qApp, &QApplication::quit, Qt::QueuedConnection);
    window.start();
    return QApplication::exec();
}

} // namespace trellwick

// Trellwick: converts API macros into SCM macros for ASD version 2. Starts the
// main window and runs until it is closed; takes no command-line arguments.

#include "ui/program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trellwick"));
    QApplication::setApplicationVersion(QStringLiteral("1.02"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/trellwick-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/trellwick-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    return trellwick::run_main_window();
}

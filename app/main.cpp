// Trellwick: converts API macros into SCM macros for ASD version 2. Starts the
// main window and runs until it is closed; takes no command-line arguments.

#include "trellwick_version.h"
#include "ui/program.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trellwick"));
    QApplication::setApplicationVersion(QString::fromLatin1(trellwick::kVersion));
    // The desktop entry's name, so that a dock matches the window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(TRELLWICK_APP_ID));
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    return trellwick::run_main_window();
}

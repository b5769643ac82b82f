// Saves a picture of the main window with both frames shown and sample texts,
// for checking the layout by eye: ui_screenshot /tmp/shot.png

#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "widgets/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ui_screenshot FILE.png\n");
        return 2;
    }
    const QString target = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir directory;
    QDir::setCurrent(directory.path());
    QFile settings_file(QStringLiteral("quorvel.ini"));
    if (!settings_file.open(QIODevice::WriteOnly))
        return 1;
    settings_file.write("/prog\r\n/api\r\n/scm\r\n");
    settings_file.close();
    QImage bitmap(64, 40, QImage::Format_RGB32);
    bitmap.fill(Qt::darkCyan);
    bitmap.save(directory.filePath(QStringLiteral("house.bmp")));

    trellwick::QtDialogs dialogs;
    trellwick::Settings settings;
    trellwick::MainWindow window(settings, dialogs);
    window.start();
    const auto set = [&](const char* name, const QString& text) {
        window.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    };
    set("txt_api", QStringLiteral("/api/house.api"));
    set("txt_scm", directory.filePath(QStringLiteral("house.scm")));
    set("txt_name", QStringLiteral("house"));
    set("txt_bmp", QStringLiteral("house.bmp"));
    set("txt_up1", QStringLiteral("Color1"));
    window.findChild<QAbstractButton*>(QStringLiteral("opt_asd2t_8"))->setChecked(true);
    for (const char* frame : {"frm_asd2t", "frm_up"})
        window.findChild<QGroupBox*>(QLatin1String(frame))->show();
    QApplication::processEvents();
    return window.grab().save(target) ? 0 : 1;
}

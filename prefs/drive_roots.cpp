#include "prefs/drive_roots.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace trellwick {

QList<DriveRoot> drive_roots() {
    QStringList paths{drive_root_of(QDir::currentPath())};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        paths.append(volume.rootPath());
    for (const QFileInfo& drive : QDir::drives())
        paths.append(drive.absoluteFilePath());
    paths.removeDuplicates();
    paths.sort();
    QList<DriveRoot> roots;
    for (const QString& path : std::as_const(paths)) {
        // Containers mount single files too; only directories can be opened.
        if (QFileInfo(path).isDir())
            roots.append({path, drive_text(path, QStorageInfo(path).name())});
    }
    return roots;
}

QString drive_root_of(const QString& directory) {
    const QStorageInfo volume(directory);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

QString drive_text(const QString& path, const QString& name) {
    const QString native = QDir::toNativeSeparators(path);
    return name.isEmpty() ? native : native + QStringLiteral(" [%1]").arg(name);
}

} // namespace trellwick

#include "prefs/drive_roots.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QStorageInfo>

namespace trellwick {

QList<DriveRoot> drive_roots() {
    // By path, so each root comes once and in order; a volume keeps its name.
    QMap<QString, QString> names{{drive_root_of(QDir::currentPath()), QString()}};
    for (const QFileInfo& drive : QDir::drives())
        names.insert(drive.absoluteFilePath(), QString());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        names.insert(volume.rootPath(), volume.name());
    QList<DriveRoot> roots;
    for (const auto& [path, name] : names.asKeyValueRange()) {
        // Containers mount single files too; only directories can be opened.
        if (QFileInfo(path).isDir())
            roots.append({path, drive_text(path, name)});
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

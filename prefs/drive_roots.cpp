#include "prefs/drive_roots.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace trellwick {
namespace {

DriveRoot make_root(const QString& path, const QString& label) {
    QString text = QDir::toNativeSeparators(path);
    if (!label.isEmpty())
        text += QStringLiteral(" [%1]").arg(label);
    return {path, text};
}

} // namespace

QList<DriveRoot> drive_roots() {
    QList<DriveRoot> roots;
    const auto add = [&roots](const QString& path, const QString& label) {
        const bool known =
            std::any_of(roots.cbegin(), roots.cend(),
                        [&path](const DriveRoot& root) { return root.path == path; });
        // Containers mount single files too; only directories can be opened.
        if (!known && QFileInfo(path).isDir())
            roots.append(make_root(path, label));
    };
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            add(volume.rootPath(), volume.name());
    }
    for (const QFileInfo& drive : QDir::drives())
        add(drive.absoluteFilePath(), QString());
    std::sort(roots.begin(), roots.end(),
              [](const DriveRoot& a, const DriveRoot& b) { return a.path < b.path; });
    return roots;
}

QString drive_root_of(const QString& directory) {
    const QStorageInfo volume(directory);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

} // namespace trellwick

#pragma once

// What the drive list offers on this machine: drive letters on Windows, the
// file-system root and the mounted volumes elsewhere.

#include <QList>
#include <QString>

namespace trellwick {

struct DriveRoot {
    QString path; // the root directory, '/' separated
    QString text; // as shown in the list
};

// Every root and mounted volume that is a readable directory, sorted by path.
QList<DriveRoot> drive_roots();

// The root of the volume that holds the directory.
QString drive_root_of(const QString& directory);

} // namespace trellwick

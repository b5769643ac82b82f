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

// Every root and mounted volume that is a directory, the one that holds the
// working directory included, each once and sorted by path. A drive without a
// medium is offered too, as the platform's own drive lists do.
QList<DriveRoot> drive_roots();

// The root of the volume that holds the directory.
QString drive_root_of(const QString& directory);

// A root as the list shows it: in the platform's separators, followed by the
// volume's name in brackets when it has one.
QString drive_text(const QString& path, const QString& name);

} // namespace trellwick

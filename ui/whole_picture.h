#pragma once

// Reading a picture file whole or not at all.

#include <QImage>
#include <QString>

namespace trellwick {

// The picture in the file, or a null picture unless the file is a Windows
// bitmap or a PNG picture of at most `max_pixels` that is read to its end
// without an error. Qt's JPEG and GIF readers fill in what a cut-off file
// lacks without a word, so those formats are never taken.
QImage read_whole_picture(const QString& path, qint64 max_pixels);

} // namespace trellwick

#pragma once

// The preview of the bitmap named in the macro information, looked up in the
// directory of the destination SCM macro.

#include <QString>

class QLabel;

namespace trellwick {

// Larger pictures are not previewed, so that a huge bitmap can't exhaust memory.
inline constexpr qint64 kMaxPreviewPixels = 25'000'000;

// The SCM path up to and including its last separator; empty when it has none.
QString bitmap_directory(const QString& scm_path);

// Shows the bitmap `directory + bitmap` in the picture box, scaled to fit,
// keeping its aspect ratio, at the pixels of the box's screen (a small one
// enlarged by the nearest pixel, a large one reduced smoothly); a file that
// isn't a picture read whole, or any other failure, leaves the box empty,
// without a message.
void refresh_bitmap_preview(QLabel* picture_box, const QString& scm_path, const QString& bitmap);

} // namespace trellwick

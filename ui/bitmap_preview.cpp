#include "ui/bitmap_preview.h"

#include "files/file_access.h"
#include "ui/whole_picture.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace trellwick {
namespace {

// The picture scaled to fit the box, at the pixels of the box's screen
// (`ratio` of them to a pixel of the layout each way).
QImage load_preview(const QString& path, const QSize& box, qreal ratio) {
    QImage image = read_whole_picture(path, kMaxPreviewPixels);
    if (image.isNull())
        return image;
    const QSize pixels = box * ratio;
    // A small bitmap is enlarged pixel by pixel, so that its pixels stay
    // sharp; a large one is reduced smoothly.
    const bool enlarged = image.width() <= pixels.width() && image.height() <= pixels.height();
    image = image.scaled(pixels, Qt::KeepAspectRatio,
                         enlarged ? Qt::FastTransformation : Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

QString bitmap_directory(const QString& scm_path) {
    const qsizetype separator = scm_path.lastIndexOf(QChar::fromLatin1(kDirectorySeparator));
    return separator < 0 ? QString() : scm_path.left(separator + 1);
}

void refresh_bitmap_preview(QLabel* picture_box, const QString& scm_path, const QString& bitmap) {
    const QString directory = bitmap_directory(scm_path);
    const QImage image = directory.isEmpty()
                             ? QImage()
                             : load_preview(directory + bitmap, picture_box->contentsRect().size(),
                                            picture_box->devicePixelRatioF());
    if (image.isNull())
        picture_box->clear();
    else
        picture_box->setPixmap(QPixmap::fromImage(image));
}

} // namespace trellwick

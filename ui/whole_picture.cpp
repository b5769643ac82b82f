#include "ui/whole_picture.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace trellwick {
namespace {

bool is_bitmap(const QByteArray& format) {
    return format == "bmp" || format == "dib";
}

// The part of a bitmap's headers that says how much pixel data follows.
constexpr qint64 kBitmapHeadSize = 38;
// The old OS/2 header: 16-bit sizes and no compression.
constexpr quint32 kCoreHeaderSize = 12;

// Qt's bitmap reader stops without an error where the file ends early, and the
// rows it didn't get keep whatever the picture's memory held before. Whether
// the file holds all the pixel data that the bitmap's headers declare.
bool holds_declared_pixels(const QByteArray& head, qint64 file_size, qint64 max_pixels) {
    const auto u16 = [&head](int at) -> qint64 {
        return qFromLittleEndian<quint16>(head.constData() + at);
    };
    const auto u32 = [&head](int at) -> qint64 {
        return qFromLittleEndian<quint32>(head.constData() + at);
    };
    const auto i32 = [&head](int at) -> qint64 {
        return qFromLittleEndian<qint32>(head.constData() + at);
    };
    if (head.size() < 18)
        return false;
    const bool core = u32(14) == kCoreHeaderSize;
    if (head.size() < (core ? 26 : kBitmapHeadSize))
        return false;
    const qint64 width = core ? u16(18) : i32(18);
    const qint64 rows = core ? u16(20) : std::abs(i32(22)); // negative: top row first
    const qint64 bits = core ? u16(24) : u16(28);
    if (width <= 0 || rows == 0 || width * rows > max_pixels)
        return false;
    // Run-length compressed rows (RLE8, RLE4) take the size that the header
    // gives them; other rows are padded to whole four-byte words.
    const qint64 compression = core ? 0 : u32(30);
    const bool run_length = compression == 1 || compression == 2;
    const qint64 pixel_bytes = run_length ? u32(34) : rows * ((width * bits + 31) / 32 * 4);
    return pixel_bytes > 0 && u32(10) + pixel_bytes <= file_size;
}

} // namespace

QImage read_whole_picture(const QString& path, qint64 max_pixels) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.peek(kBitmapHeadSize);
    QImageReader reader(&file);
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (!is_bitmap(format) && format != "png")
        return {};
    if (static_cast<qint64>(size.width()) * size.height() > max_pixels)
        return {};
    if (is_bitmap(format) && !holds_declared_pixels(head, file.size(), max_pixels))
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

} // namespace trellwick

#include "ui/cursor_file.h"

#include "ui/screen_density.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace {

struct CursorImage {
    int width = 0;
    int hotX = 0;
    int hotY = 0;
};

}  // namespace

QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback, qreal devicePixelRatio)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(fallback);
    QByteArray bytes = file.readAll();
    // Header: reserved, type 2 (cursor), count; then per image 16 bytes:
    // width, height, colours, reserved, hot spot x and y, size, offset.
    if (bytes.size() < 22 || qFromLittleEndian<quint16>(bytes.constData() + 2) != 2)
        return QCursor(fallback);
    const int count = qFromLittleEndian<quint16>(bytes.constData() + 4);
    QList<CursorImage> images;
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
        const char *entry = bytes.constData() + 6 + 16 * i;
        const int width = quint8(entry[0]) == 0 ? 256 : quint8(entry[0]);
        images.append({width, qFromLittleEndian<quint16>(entry + 4), qFromLittleEndian<quint16>(entry + 6)});
    }
    if (images.isEmpty())
        return QCursor(fallback);

    QList<qreal> densities;
    for (const CursorImage &image : std::as_const(images))
        densities << qreal(image.width) / images.first().width;
    const int chosen = int(densities.indexOf(chooseDensity(densities, devicePixelRatio)));

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    QImage image;
    if (!reader.jumpToImage(chosen) || !reader.read(&image) || image.isNull())
        return QCursor(fallback);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(densities.at(chosen));
    // The hot spot in the pointer's own pixels, as the first image has it.
    const CursorImage &first = images.first();
    return QCursor(pixmap, first.hotX, first.hotY);
}

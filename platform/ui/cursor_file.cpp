#include "ui/cursor_file.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(fallback);
    const QByteArray bytes = file.readAll();
    // Header: reserved, type 2 (cursor), count; then per image width,
    // height, colours, reserved, hot spot x and y, size, offset.
    if (bytes.size() < 22 || qFromLittleEndian<quint16>(bytes.constData() + 2) != 2)
        return QCursor(fallback);
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
    QImage image;
    if (!image.loadFromData(bytes, "cur") || image.isNull())
        return QCursor(fallback);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

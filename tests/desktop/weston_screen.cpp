#include "desktop/weston_screen.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <limits>

namespace westonscreen {

QImage shoot(const QString &label)
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(20000) || shooter.exitCode() != 0)
        return QImage();
    const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    if (shots.isEmpty())
        return QImage();
    const QString path = QDir(dir.path()).filePath(shots.first());
    const QString keep = qEnvironmentVariable("SAYORA_SCREENSHOTS");
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        const QString name = QStringLiteral("%1/%2-%3.png").arg(keep, label, qEnvironmentVariable("SAYORA_SCALE_LABEL", QStringLiteral("1")));
        QFile::remove(name);
        QFile::copy(path, name);
    }
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

namespace {

// Mean difference per channel of `part` placed at `at` in `image`, giving up
// (returning a large value) once it is above `limit`.
double difference(const QImage &image, const QImage &part, QPoint at, double limit)
{
    const qint64 budget = qint64(limit * part.width() * part.height() * 3);
    qint64 total = 0;
    for (int y = 0; y < part.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(image.constScanLine(at.y() + y)) + at.x();
        const auto *b = reinterpret_cast<const QRgb *>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x)
            total += qAbs(qRed(a[x]) - qRed(b[x])) + qAbs(qGreen(a[x]) - qGreen(b[x])) + qAbs(qBlue(a[x]) - qBlue(b[x]));
        if (total > budget)
            return std::numeric_limits<double>::max();
    }
    return double(total) / (part.width() * part.height() * 3);
}

}  // namespace

Match bestMatch(const QImage &screen, const QImage &picture, QRect within)
{
    const QImage image = screen.convertToFormat(QImage::Format_RGB32);
    const QImage part = picture.convertToFormat(QImage::Format_RGB32);
    Match best{QPoint(-1, -1), std::numeric_limits<double>::max()};
    const QRect places = QRect(0, 0, image.width() - part.width() + 1, image.height() - part.height() + 1)
                             .intersected(within.isNull() ? image.rect() : within);
    const QRgb centre = part.pixel(part.width() / 2, part.height() / 2);
    for (int y = places.top(); y <= places.bottom(); ++y) {
        for (int x = places.left(); x <= places.right(); ++x) {
            // Cheap test first: the picture's centre pixel, roughly.
            const QRgb c = image.pixel(x + part.width() / 2, y + part.height() / 2);
            if (qAbs(qGreen(c) - qGreen(centre)) > 40 || qAbs(qRed(c) - qRed(centre)) > 40)
                continue;
            const double d = difference(image, part, {x, y}, qMin(best.difference, 20.0));
            if (d < best.difference)
                best = {QPoint(x, y), d};
        }
    }
    return best;
}

}  // namespace westonscreen

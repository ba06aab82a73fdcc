#include "ui/screen_density.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QtMath>

#include <algorithm>

namespace {

// The densities drawn besides the plain picture (tools/make_bitmaps).
constexpr qreal copyDensities[] = {1.5, 2.0};

// Densities closer than this are the same: 1.5 is stored as text.
bool sameDensity(qreal a, qreal b)
{
    return qAbs(a - b) < 0.01;
}

QString copyPath(const QString &path, qreal density)
{
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral("%1@%2x.png").arg(info.completeBaseName()).arg(density));
}

}  // namespace

qreal chooseDensity(const QList<qreal> &available, qreal wanted)
{
    qreal best = 0;
    for (qreal density : available) {
        if (density + 0.01 >= wanted && (best == 0 || density < best))
            best = density;
    }
    if (best != 0)
        return best;
    return *std::max_element(available.begin(), available.end());
}

QPixmap densityPixmap(const QString &path, qreal devicePixelRatio)
{
    QImage plain(path);
    if (plain.isNull())
        return QPixmap();
    if (devicePixelRatio <= 1.0 || sameDensity(devicePixelRatio, 1.0))
        return QPixmap::fromImage(plain);

    QList<qreal> available{1.0};
    QList<QImage> images{plain};
    for (qreal density : copyDensities) {
        QImage copy(copyPath(path, density));
        // A copy of the wrong size (a stale file) would shift the layout.
        if (copy.isNull() || copy.width() != qCeil(plain.width() * density) || copy.height() != qCeil(plain.height() * density))
            continue;
        available << density;
        images << copy;
    }
    const qreal density = chooseDensity(available, devicePixelRatio);
    QImage image = images.at(available.indexOf(density));
    if (!sameDensity(density, devicePixelRatio)) {
        image = image.scaled(qCeil(plain.width() * devicePixelRatio), qCeil(plain.height() * devicePixelRatio),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // The ratio from the picture's size, not the screen's: 35 pixels drawn at
    // 1.5 are 53 device pixels, and must stay 35 wide in the layout.
    image.setDevicePixelRatio(qreal(image.width()) / plain.width());
    return QPixmap::fromImage(image);
}

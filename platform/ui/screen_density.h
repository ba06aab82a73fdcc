#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

// Pictures for screens of more than one device pixel per pixel (a scale of
// 1.5 or 2). A picture "NAME.bmp" may have copies drawn for such screens
// beside it, "NAME@1.5x.png" and "NAME@2x.png"; the copy that fits the
// screen is shown at the picture's own size in pixels, so the layout keeps
// its proportions and only the sharpness changes.

// Of the densities at hand, the one to draw from on a screen of `wanted`:
// the least that is at least as dense (a picture scaled down stays sharp),
// else the densest there is. `available` is not empty.
qreal chooseDensity(const QList<qreal> &available, qreal wanted);

// The picture at `path` for a screen of `devicePixelRatio`, its device pixel
// ratio set so that it keeps the size of the picture at `path`. A copy of
// another density than the screen's is resampled smoothly to the screen's.
// A null pixmap when `path` itself does not load.
QPixmap densityPixmap(const QString &path, qreal devicePixelRatio);

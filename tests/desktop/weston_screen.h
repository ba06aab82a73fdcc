#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// The screen of the private weston the Wayland tests run under
// (scripts/weston-run.sh), as the compositor shows it, in its pixels.
namespace westonscreen {

// A screenshot by weston-screenshooter, or a null image. With
// SAYORA_SCREENSHOTS set, kept there as LABEL-SCALE.png (SCALE from
// SAYORA_SCALE_LABEL).
QImage shoot(const QString &label);

struct Match
{
    QPoint at;        // top left of the best place
    double difference = 0;  // mean difference per channel there (0..255)
};

// Where `part` shows best in `image`, looked for with its top left inside
// `within` (the whole image when null).
Match bestMatch(const QImage &image, const QImage &part, QRect within = QRect());

}  // namespace westonscreen

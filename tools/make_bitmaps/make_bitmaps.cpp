// make_bitmaps: draws the pictures of Sayora's main window button panel and
// the application icon, and writes them into a folder (normally data/).
//
// Not part of the main build. From the repository root:
//
//   cmake -S tools/make_bitmaps -B build-bitmaps
//   cmake --build build-bitmaps -j2
//   build-bitmaps/make_bitmaps data
//
// and, to review the result, a 4x contact sheet on the panel green:
//
//   build-bitmaps/make_bitmaps data --sheet /tmp/sheet.png
//
// The program window loads the .bmp files by name at run time, so names
// (letter case included), sizes and the 24-bit format are fixed; only the
// drawing below may change. BMP has no alpha channel, so every picture is
// painted onto the green of the panel it sits on.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QtMath>

#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kPanel(0, 128, 0);        // the button panel behind every bitmap
const QColor kTextBox(255, 224, 192);  // the voice box beside the arrow picture
const QColor kAmber(255, 184, 48);     // accent of an engaged button

// How a button presents itself. Digits of the file names: 0 = Hover,
// 1 = Normal (or Off for pause/stop), 2 = Normal for playback, 3 = Engaged.
enum class Look { Normal, Hover, Off, Engaged };

// What a glyph paints with. Glyphs are drawn around (0, 0) = tile centre.
struct Ink {
    QColor main;     // the glyph itself
    bool colourful;  // accents (tick, colour bars) in full colour
};

using Glyph = std::function<void(QPainter &, const Ink &)>;

// The density every picture is drawn at: 1 for the files the program
// names, 1.5 and 2 for the copies shown on high-density screens. A canvas
// carries it as its device pixel ratio, so the drawing code below works in
// the pictures' own pixels at every density.
qreal g_density = 1.0;

QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
{
    QImage img(qCeil(w * g_density), qCeil(h * g_density), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(g_density);
    img.fill(fill);
    return img;
}

void antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Paints `layer` as a solid colour, keeping its alpha: used for the glyph's
// drop shadow.
QImage tinted(const QImage &layer, const QColor &c)
{
    QImage out = layer;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), c);
    return out;
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// ---------------------------------------------------------------- tiles --

// The tile: a rounded square with a soft vertical gradient, a light rim at
// the top edge and a darker green shadow below, so it sits on the panel.
void drawTile(QPainter &p, const QRectF &r, Look look, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QPainterPath body = roundedRect(r, radius);

    switch (look) {
    case Look::Normal:
    case Look::Hover: {
        const bool hover = look == Look::Hover;
        if (hover) {
            // Glow: a few widening rings of pale lime around the tile.
            for (int i = 3; i >= 1; --i) {
                const qreal g = i * 0.75;
                p.setBrush(QColor(214, 255, 140, 70 - i * 15));
                p.drawPath(roundedRect(r.adjusted(-g, -g, g, g), radius + g));
            }
        } else {
            p.setBrush(QColor(0, 60, 0, 150));
            p.drawPath(roundedRect(r.translated(0, 1.0), radius));
        }
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0.0, hover ? QColor(96, 110, 122) : QColor(66, 74, 83));
        fill.setColorAt(1.0, hover ? QColor(50, 58, 66) : QColor(30, 35, 40));
        p.setBrush(fill);
        p.drawPath(body);

        // Top rim light, fading out half way down.
        QLinearGradient rim(r.topLeft(), r.bottomLeft());
        rim.setColorAt(0.0, QColor(255, 255, 255, hover ? 150 : 95));
        rim.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(rim), 1.0));
        p.drawPath(roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
        if (hover) {
            p.setPen(QPen(QColor(226, 255, 170, 230), 1.0));
            p.drawPath(roundedRect(r.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5));
        }
        break;
    }
    case Look::Off: {
        // Unavailable: a flat, see-through tile that lets the green through.
        p.setBrush(QColor(30, 35, 40, 95));
        p.drawPath(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 60, 20, 110), 1.0));
        p.drawPath(roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
        break;
    }
    case Look::Engaged: {
        // Pressed in: darker at the top, an inner shadow and an amber rim.
        p.setBrush(QColor(255, 255, 255, 60));  // light catching the lower lip
        p.drawPath(roundedRect(r.translated(0, 0.8), radius));
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0.0, QColor(14, 16, 19));
        fill.setColorAt(1.0, QColor(40, 45, 51));
        p.setBrush(fill);
        p.drawPath(body);

        p.setClipPath(body);
        QLinearGradient inner(r.topLeft(), r.topLeft() + QPointF(0, 6));
        inner.setColorAt(0.0, QColor(0, 0, 0, 170));
        inner.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(inner);
        p.drawRect(r);
        p.setClipping(false);

        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kAmber, 1.3));
        p.drawPath(roundedRect(r.adjusted(0.65, 0.65, -0.65, -0.65), radius - 0.65));
        break;
    }
    }
    p.restore();
}

Ink inkFor(Look look)
{
    switch (look) {
    case Look::Normal: return {QColor(244, 247, 245), true};
    case Look::Hover: return {QColor(255, 255, 255), true};
    case Look::Off: return {QColor(200, 220, 200), false};
    case Look::Engaged: return {QColor(255, 196, 72), true};
    }
    return {Qt::white, true};
}

// A tiled button picture: panel green, tile, glyph with a one pixel shadow.
QImage button(int w, int h, Look look, const Glyph &glyph)
{
    QImage img = canvas(w, h, kPanel);
    QPainter p(&img);
    antialias(p);

    const QRectF tile(2, 2, w - 4, h - 4);
    drawTile(p, tile, look, 7);

    const Ink ink = inkFor(look);
    QImage layer = canvas(w, h);
    {
        QPainter g(&layer);
        antialias(g);
        // Centre of the tile; an engaged glyph sits half a pixel lower.
        g.translate(w / 2.0, 2 + tile.height() / 2.0 + (look == Look::Engaged ? 0.5 : 0.0));
        glyph(g, ink);
    }
    if (look != Look::Off) {
        p.setOpacity(look == Look::Engaged ? 0.8 : 0.45);
        p.drawImage(QPointF(0, 1), tinted(layer, QColor(0, 0, 0)));
    }
    p.setOpacity(look == Look::Off ? 0.5 : 1.0);
    p.drawImage(QPointF(0, 0), layer);
    return img;
}

// --------------------------------------------------------------- glyphs --

void fillRounded(QPainter &p, const QRectF &r, qreal radius, const QBrush &b)
{
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    p.drawRoundedRect(r, radius, radius);
}

// Cuts a hole through what is already drawn on the glyph layer.
void punch(QPainter &p, const QPainterPath &path)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(path);
    p.restore();
}

// The colour bar under the two colour glyphs: a hue sweep.
void colourBar(QPainter &p, const QRectF &r, const Ink &ink)
{
    if (!ink.colourful) {
        fillRounded(p, r, 1.2, ink.main);
        return;
    }
    QLinearGradient hue(r.topLeft(), r.topRight());
    for (int i = 0; i <= 6; ++i)
        hue.setColorAt(i / 6.0, QColor::fromHsvF(i / 6.0 * 0.83, 0.85, 1.0));
    fillRounded(p, r, 1.2, hue);
}

void playGlyph(QPainter &p, const Ink &ink)
{
    QPainterPath tri;
    tri.moveTo(-4.5, -7.5);
    tri.lineTo(8.0, 0.0);
    tri.lineTo(-4.5, 7.5);
    tri.closeSubpath();
    p.setBrush(ink.main);
    // A round-joined outline in the same colour softens the three corners.
    p.setPen(QPen(ink.main, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tri);
}

void pauseGlyph(QPainter &p, const Ink &ink)
{
    fillRounded(p, QRectF(-6.5, -8.5, 4.5, 17), 1.3, ink.main);
    fillRounded(p, QRectF(2.0, -8.5, 4.5, 17), 1.3, ink.main);
}

void stopGlyph(QPainter &p, const Ink &ink)
{
    fillRounded(p, QRectF(-7, -7, 14, 14), 2.5, ink.main);
}

void openGlyph(QPainter &p, const Ink &ink)
{
    // Back of the folder with its tab.
    QPainterPath back;
    back.addRoundedRect(QRectF(-9.5, -6.5, 17, 14), 1.8, 1.8);
    back.addRoundedRect(QRectF(-9.5, -8.5, 7.5, 4), 1.5, 1.5);
    back.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    QColor backInk = ink.main;
    backInk.setAlphaF(0.62);
    p.setBrush(backInk);
    p.drawPath(back.simplified());

    // The front flap, tilted open; a gap separates it from the back.
    QPainterPath flap;
    flap.moveTo(-6.0, -2.0);
    flap.lineTo(10.5, -2.0);
    flap.lineTo(7.3, 7.5);
    flap.lineTo(-9.5, 7.5);
    flap.closeSubpath();
    QPainterPath gap;
    gap.moveTo(-7.0, -3.3);
    gap.lineTo(12.0, -3.3);
    gap.lineTo(8.3, 8.8);
    gap.lineTo(-10.8, 8.8);
    gap.closeSubpath();
    punch(p, gap);
    p.setBrush(ink.main);
    p.setPen(QPen(ink.main, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flap);
}

void saveGlyph(QPainter &p, const Ink &ink)
{
    // Floppy disk: body with one clipped corner, shutter at the top, label.
    QPainterPath body;
    body.moveTo(-8.5, -6.5);
    body.quadTo(-8.5, -8.5, -6.5, -8.5);
    body.lineTo(5.0, -8.5);
    body.lineTo(8.5, -5.0);
    body.lineTo(8.5, 6.5);
    body.quadTo(8.5, 8.5, 6.5, 8.5);
    body.lineTo(-6.5, 8.5);
    body.quadTo(-8.5, 8.5, -8.5, 6.5);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink.main);
    p.drawPath(body);

    QPainterPath shutter;
    shutter.addRoundedRect(QRectF(-5.0, -8.6, 9.0, 5.6), 0.8, 0.8);
    punch(p, shutter);
    fillRounded(p, QRectF(0.5, -7.6, 2.2, 3.6), 0.5, ink.main);

    QPainterPath label;
    label.addRoundedRect(QRectF(-5.5, 0.5, 11.0, 6.0), 1.2, 1.2);
    punch(p, label);
    // Two text lines on the label.
    QColor line = ink.main;
    line.setAlphaF(0.75);
    fillRounded(p, QRectF(-3.5, 2.2, 7.0, 1.1), 0.5, line);
    fillRounded(p, QRectF(-3.5, 4.2, 5.0, 1.1), 0.5, line);
}

void boxOutline(QPainter &p, const Ink &ink)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.main, 2.0));
    p.drawRoundedRect(QRectF(-7.5, -6.5, 14, 14), 2.8, 2.8);
}

void checkYesGlyph(QPainter &p, const Ink &ink)
{
    boxOutline(p, ink);
    // The tick leaves the box at the top right; a gap in the outline lets
    // it stand clear.
    QPainterPath tick;
    tick.moveTo(-4.0, 0.0);
    tick.lineTo(-0.8, 3.6);
    tick.lineTo(8.2, -7.5);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.restore();
    const QColor tickInk = ink.colourful ? QColor(120, 236, 120) : ink.main;
    p.setPen(QPen(tickInk, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void checkNoGlyph(QPainter &p, const Ink &ink)
{
    boxOutline(p, ink);
}

void bcolorGlyph(QPainter &p, const Ink &ink)
{
    // Paint bucket tipped to the right with paint in its mouth, a drop
    // falling from its lip, and the colour bar below.
    const QColor paint = ink.colourful ? QColor(64, 170, 255) : ink.main;
    p.save();
    p.translate(-1.8, -1.6);
    p.rotate(28);
    QPainterPath bucket;
    bucket.moveTo(-5.5, -3.5);
    bucket.lineTo(5.5, -3.5);
    bucket.lineTo(4.3, 4.2);
    bucket.quadTo(4.1, 5.5, 2.8, 5.5);
    bucket.lineTo(-2.8, 5.5);
    bucket.quadTo(-4.1, 5.5, -4.3, 4.2);
    bucket.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink.main);
    p.drawPath(bucket);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.main, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-4.6, -9.6, 9.2, 12.2), 0, 180 * 16);
    // The mouth shows the paint.
    QPainterPath mouth;
    mouth.addEllipse(QRectF(-5.5, -5.2, 11.0, 3.4));
    p.setPen(QPen(ink.main, 1.0));
    p.setBrush(paint);
    p.drawPath(mouth);
    p.restore();

    QPainterPath drop;
    drop.moveTo(7.2, -2.4);
    drop.cubicTo(7.8, -0.6, 9.3, 0.6, 9.3, 2.1);
    drop.cubicTo(9.3, 3.3, 8.3, 4.1, 7.2, 4.1);
    drop.cubicTo(6.1, 4.1, 5.1, 3.3, 5.1, 2.1);
    drop.cubicTo(5.1, 0.6, 6.6, -0.6, 7.2, -2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawPath(drop);

    colourBar(p, QRectF(-8.0, 6.0, 16.0, 3.0), ink);
}

void tcolorGlyph(QPainter &p, const Ink &ink)
{
    // A bold capital A built from strokes (no font needed), colour bar below.
    QPainterPath legs;
    legs.moveTo(-6.2, 4.0);
    legs.lineTo(0.0, -9.0);
    legs.lineTo(6.2, 4.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.main, 2.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(legs);
    p.setPen(QPen(ink.main, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-3.4, -0.6), QPointF(3.4, -0.6));
    colourBar(p, QRectF(-8.0, 6.0, 16.0, 3.0), ink);
}

// ------------------------------------------------------ fixed pictures --

// Set to head: bar plus a triangle pointing at it, on a small tile.
QImage rewindPicture()
{
    return button(24, 24, Look::Normal, [](QPainter &p, const Ink &ink) {
        fillRounded(p, QRectF(-5.5, -5.0, 2.2, 10.0), 0.8, ink.main);
        QPainterPath tri;
        tri.moveTo(5.0, -5.0);
        tri.lineTo(-2.2, 0.0);
        tri.lineTo(5.0, 5.0);
        tri.closeSubpath();
        p.setBrush(ink.main);
        p.setPen(QPen(ink.main, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
    });
}

// Check for a new version: a circular refresh arrow.
QImage updatePicture()
{
    QImage img = canvas(20, 20, kPanel);
    QPainter p(&img);
    antialias(p);
    drawTile(p, QRectF(1, 1, 18, 17), Look::Normal, 4.5);
    const QColor ink(244, 247, 245);
    p.translate(10.0, 9.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.7, Qt::SolidLine, Qt::FlatCap));
    // An open circle, gap at the top right where the arrow head sits.
    p.drawArc(QRectF(-4.8, -4.8, 9.6, 9.6), 80 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(0.4, -7.6);
    head.lineTo(4.0, -4.8);
    head.lineTo(0.4, -2.0);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
    return img;
}

// A white speech bubble (rounded body and a three-cornered tail) with a soft
// shadow `drop` pixels below it, shaded from white at the top to `bottom`.
QPainterPath speechBubble(QPainter &p, const QRectF &body, qreal radius, const std::array<QPointF, 3> &tailCorners,
                          const QColor &shadow, qreal drop, const QColor &bottom)
{
    QPainterPath bubble;
    bubble.addRoundedRect(body, radius, radius);
    QPainterPath tail;
    tail.moveTo(tailCorners[0]);
    tail.lineTo(tailCorners[1]);
    tail.lineTo(tailCorners[2]);
    tail.closeSubpath();
    bubble = bubble.united(tail);

    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawPath(bubble.translated(0, drop));
    QLinearGradient fill(0, body.top(), 0, tailCorners[1].y());
    fill.setColorAt(0.0, QColor(255, 255, 255));
    fill.setColorAt(1.0, bottom);
    p.setBrush(fill);
    p.drawPath(bubble);
    return bubble;
}

// How does it work: a white speech bubble with a question mark.
QImage helpPicture()
{
    QImage img = canvas(39, 28, kPanel);
    QPainter p(&img);
    antialias(p);

    const QPainterPath bubble = speechBubble(p, QRectF(3, 2, 33, 19), 8, {{{9.0, 18.0}, {7.5, 26.0}, {17.0, 19.5}}},
                                             QColor(0, 60, 0, 150), 1, QColor(214, 228, 218));

    // Question mark from an arc, a short stem and a dot.
    const QColor ink(30, 35, 40);
    p.translate(19.5, 11.5);
    QPainterPath q;
    q.moveTo(-3.4, -3.2);
    q.cubicTo(-3.4, -6.2, 3.4, -6.6, 3.4, -3.0);
    q.cubicTo(3.4, -0.8, 0.0, -0.6, 0.0, 1.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0.0, 5.0), 1.45, 1.45);
    return img;
}

// The voice box's drop-down button: it continues the light orange box on
// its left, so only the right corners are rounded.
QImage arrowPicture()
{
    QImage img = canvas(19, 20, kPanel);
    QPainter p(&img);
    antialias(p);

    const QRectF r(0, 0, 19, 20);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.lineTo(15, 0);
    shape.quadTo(19, 0, 19, 4);
    shape.lineTo(19, 16);
    shape.quadTo(19, 20, 15, 20);
    shape.lineTo(0, 20);
    shape.closeSubpath();

    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, kTextBox.lighter(106));
    fill.setColorAt(1.0, QColor(240, 186, 134));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);

    // A soft divider where the text box ends.
    p.fillRect(QRectF(0, 3, 1, 14), QColor(226, 170, 118));

    const QColor ink(110, 60, 22);
    QPainterPath chevron;
    chevron.moveTo(6.0, 8.3);
    chevron.lineTo(10.0, 12.3);
    chevron.lineTo(14.0, 8.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
    return img;
}

// Application icon: green rounded square, white speech bubble holding a
// sound level meter.
// Drawn on a 256-unit grid and scaled, so every size of the icon is the
// same drawing (data/desktop/icons/org.sayora.Sayora.svg repeats it).
QImage appIcon(int size = 256)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);

    const QRectF tile(16, 12, 224, 224);
    // Soft shadow: widening translucent outlines below the tile.
    for (int i = 10; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 5));
        p.drawRoundedRect(tile.translated(0, 6).adjusted(-i, -i, i, i), 52 + i, 52 + i);
    }
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0.0, QColor(72, 214, 110));
    fill.setColorAt(0.55, QColor(14, 150, 52));
    fill.setColorAt(1.0, QColor(0, 102, 36));
    p.setBrush(fill);
    p.drawRoundedRect(tile, 52, 52);

    // Gloss over the upper half.
    p.save();
    p.setClipPath(roundedRect(tile, 52));
    QRadialGradient gloss(QPointF(100, 10), 190);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 80));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRect(tile);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2.0));
    p.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 51, 51);

    const QPainterPath bubble = speechBubble(p, QRectF(50, 56, 156, 114), 40, {{{76, 150}, {64, 200}, {118, 166}}},
                                             QColor(0, 60, 20, 70), 5, QColor(226, 240, 230));

    const qreal heights[] = {28, 56, 80, 52, 34};
    QLinearGradient bars(0, 70, 0, 156);
    bars.setColorAt(0.0, QColor(24, 170, 70));
    bars.setColorAt(1.0, QColor(0, 110, 40));
    p.setBrush(bars);
    for (int i = 0; i < 5; ++i) {
        const qreal w = 14, gap = 10;
        const qreal x = 128 - (5 * w + 4 * gap) / 2 + i * (w + gap);
        p.drawRoundedRect(QRectF(x, 113 - heights[i] / 2, w, heights[i]), 7, 7);
    }
    return img;
}

// ---------------------------------------------------------------- output --

struct Picture {
    QString name;
    QImage image;
};

// Every picture at the current density; the icon files only at density 1
// (the desktop's icon sizes already cover dense screens).
std::vector<Picture> allPictures()
{
    std::vector<Picture> out;
    auto stateButton = [&](const QString &base, int w, int h, const Glyph &glyph,
                           std::initializer_list<std::pair<int, Look>> states) {
        for (const auto &[digit, look] : states)
            out.push_back({base + QString::number(digit) + ".bmp", button(w, h, look, glyph)});
    };
    stateButton("play", 35, 35, playGlyph,
                {{0, Look::Hover}, {2, Look::Normal}, {3, Look::Engaged}});
    stateButton("Pause", 35, 35, pauseGlyph,
                {{0, Look::Hover}, {1, Look::Off}, {2, Look::Normal}, {3, Look::Engaged}});
    stateButton("Stop", 35, 35, stopGlyph,
                {{0, Look::Hover}, {1, Look::Off}, {2, Look::Normal}});
    const std::initializer_list<std::pair<int, Look>> plain = {{0, Look::Hover}, {1, Look::Normal}};
    stateButton("Open", 35, 35, openGlyph, plain);
    stateButton("Save", 35, 35, saveGlyph, plain);
    stateButton("checkyes", 35, 35, checkYesGlyph, plain);
    stateButton("checkno", 35, 35, checkNoGlyph, plain);
    stateButton("bcolor", 35, 30, bcolorGlyph, plain);
    stateButton("tcolor", 35, 30, tcolorGlyph, plain);
    out.push_back({"rewind.bmp", rewindPicture()});
    out.push_back({"howto.bmp", helpPicture()});
    out.push_back({"update.bmp", updatePicture()});
    out.push_back({"arrow.bmp", arrowPicture()});
    if (g_density != 1.0) {
        // "Open0.bmp" at density 2 is "Open0@2x.png": PNG, as no program
        // but ours reads these copies, and it is a third of the size.
        const QString suffix = QStringLiteral("@%1x.png").arg(g_density);
        for (Picture &pic : out)
            pic.name = pic.name.chopped(4) + suffix;
        return out;
    }
    out.push_back({"sayora.png", appIcon()});
    // The sizes of the desktop's icon theme.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        out.push_back({QStringLiteral("desktop/icons/org.sayora.Sayora-%1.png").arg(size), appIcon(size)});
    return out;
}

bool save(const QDir &dir, const Picture &pic)
{
    const QString path = dir.filePath(pic.name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (pic.name.contains('@'))
        return pic.image.convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    if (pic.name.endsWith(".png"))
        return pic.image.save(path, "PNG");
    // RGB888 makes Qt's BMP writer emit 24 bits per pixel, which the
    // program's picture loader expects.
    return pic.image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

// A replica of the panel at its real layout, to judge the set in place:
// `states` picks the pictures of the eight state buttons.
QImage panelPreview(const std::vector<Picture> &pics, const QStringList &states)
{
    auto find = [&](const QString &name) {
        for (const Picture &pic : pics)
            if (pic.name == name)
                return pic.image;
        return QImage();
    };
    QImage panel(472, 97, QImage::Format_RGB32);
    panel.fill(kPanel);
    QPainter p(&panel);
    const int lefts[] = {0, 35, 70, 105, 140, 175, 210, 245};
    for (int i = 0; i < 8 && i < states.size(); ++i)
        p.drawImage(lefts[i], 32, find(states[i]));
    p.fillRect(4, 63, 27, 5, Qt::white);  // the two colour strips
    p.fillRect(39, 63, 27, 5, Qt::black);
    p.drawImage(256, 8, find("rewind.bmp"));
    p.fillRect(72, 67, 209, 20, kTextBox);
    p.setPen(Qt::black);
    QFont font;
    font.setPixelSize(13);
    p.setFont(font);
    p.drawText(QRect(76, 67, 200, 20), Qt::AlignVCenter, "English (America)");
    p.drawImage(280, 67, find("arrow.bmp"));
    p.drawImage(380, 64, find("howto.bmp"));
    p.drawImage(427, 67, find("update.bmp"));
    return panel;
}

// Contact sheet: every picture at 4x (hard pixels) on the panel green with
// its file name, then the panel replica at 2x, idle and while speaking.
QImage contactSheet(const std::vector<Picture> &pics)
{
    const int scale = 4, cell = 200, cols = 6;
    const int rows = (int(pics.size()) + cols - 1) / cols;
    const int gridHeight = rows * (cell + 10);
    QImage sheet(cols * cell, gridHeight + 2 * (2 * 97 + 16), QImage::Format_RGB32);
    sheet.fill(kPanel.darker(130));
    QPainter p(&sheet);
    p.fillRect(0, 0, sheet.width(), gridHeight, kPanel);
    QFont font;
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::white);
    for (int i = 0; i < int(pics.size()); ++i) {
        const QImage &img = pics[i].image;
        QImage big = img.scaled(img.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation);
        if (big.width() > cell - 16)
            big = img.scaled(cell - 16, cell - 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const int x = (i % cols) * cell, y = (i / cols) * (cell + 10);
        p.drawImage(x + (cell - big.width()) / 2, y + 8 + (cell - 30 - big.height()) / 2, big);
        p.drawText(QRect(x, y + cell - 18, cell, 20), Qt::AlignCenter, pics[i].name);
    }
    const QStringList idle = {"bcolor1.bmp", "tcolor1.bmp", "Open1.bmp", "Save1.bmp",
                              "checkyes1.bmp", "play2.bmp", "Pause1.bmp", "Stop1.bmp"};
    const QStringList speaking = {"bcolor1.bmp", "tcolor1.bmp", "Open0.bmp", "Save1.bmp",
                                  "checkno1.bmp", "play3.bmp", "Pause2.bmp", "Stop2.bmp"};
    int y = gridHeight + 8;
    for (const QStringList &states : {idle, speaking}) {
        const QImage panel = panelPreview(pics, states);
        p.drawImage(8, y, panel.scaled(panel.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation));
        y += 2 * 97 + 16;
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs no display; the offscreen platform keeps it headless.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--sheet")) {
        std::fprintf(stderr, "usage: make_bitmaps OUTPUT_FOLDER [--sheet SHEET.png]\n");
        return 2;
    }
    QDir dir(args[1]);
    if (!dir.exists() && !QDir().mkpath(args[1])) {
        std::fprintf(stderr, "make_bitmaps: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }

    // The dense copies first, so that g_density is back at 1 for the sheet.
    for (qreal density : {2.0, 1.5, 1.0}) {
        g_density = density;
        for (const Picture &pic : allPictures()) {
            if (!save(dir, pic)) {
                std::fprintf(stderr, "make_bitmaps: cannot write %s\n", qPrintable(dir.filePath(pic.name)));
                return 1;
            }
            std::printf("%s\n", qPrintable(dir.filePath(pic.name)));
        }
    }
    const std::vector<Picture> pics = allPictures();
    if (args.size() == 4 && !contactSheet(pics).save(args[3], "PNG")) {
        std::fprintf(stderr, "make_bitmaps: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}

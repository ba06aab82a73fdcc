// make_cursor: draws the hand pointer shown over links and writes it as a
// Windows cursor file (32 bits with alpha, hot spot on the finger tip) that
// holds the hand at 32 x 32 first, then at 48 x 48 and 64 x 64 for screens
// of 1.5 and 2 device pixels per pixel. From the repository root:
//   cmake -S tools/make_cursor -B build-cursor && cmake --build build-cursor
//   build-cursor/make_cursor data/H_POINT.CUR

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <iterator>

namespace {

// The hand is drawn on a 32-unit grid; hot spot in those units.
constexpr int baseSide = 32;
constexpr int hotX = 9;
constexpr int hotY = 1;
constexpr int sides[] = {32, 48, 64};

QImage drawHand(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(side) / baseSide, qreal(side) / baseSide);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(7.5, 1.5, 4, 15), 2, 2);     // pointing finger
    hand.addRoundedRect(QRectF(11.5, 8.5, 4, 9), 2, 2);     // middle finger
    hand.addRoundedRect(QRectF(15.5, 9.5, 4, 8), 2, 2);     // ring finger
    hand.addRoundedRect(QRectF(19.5, 10.5, 3.5, 7.5), 1.75, 1.75);  // little finger
    hand.addRoundedRect(QRectF(7.5, 13.5, 15.5, 11), 4, 4); // palm
    hand.setFillRule(Qt::WindingFill);
    QPainterPath thumb;
    thumb.moveTo(8, 20);
    thumb.lineTo(3, 14.5);
    thumb.quadTo(1.5, 16.5, 3.5, 19);
    thumb.lineTo(8, 25);
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    for (double x : {11.5, 15.5, 19.5})
        p.drawLine(QPointF(x, 14), QPointF(x, 17));
    return image;
}

void put16(QByteArray &out, quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); }
void put32(QByteArray &out, quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); }

QByteArray bitmap(const QImage &image)
{
    const int side = image.width();
    QByteArray dib;
    put32(dib, 40);            // BITMAPINFOHEADER
    put32(dib, side);
    put32(dib, side * 2);      // colour rows and mask rows
    put16(dib, 1);
    put16(dib, 32);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (int y = side - 1; y >= 0; --y) {  // bottom-up BGRA
        for (int x = 0; x < side; ++x)
            put32(dib, image.pixel(x, y));
    }
    // AND mask: 1 where transparent, rows padded to 32 bits.
    const int rowBytes = (side + 31) / 32 * 4;
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < side; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        dib.append(row);
    }
    return dib;
}

QByteArray cursorFile()
{
    constexpr int count = int(std::size(sides));
    QByteArray out;
    put16(out, 0);
    put16(out, 2);  // cursor
    put16(out, count);
    QByteArray images;
    for (int side : sides) {
        const QByteArray dib = bitmap(drawHand(side));
        out.append(char(side));
        out.append(char(side));
        out.append(char(0));
        out.append(char(0));
        put16(out, quint16(qRound(hotX * side / qreal(baseSide))));
        put16(out, quint16(qRound(hotY * side / qreal(baseSide))));
        put32(out, quint32(dib.size()));
        put32(out, quint32(6 + 16 * count + images.size()));
        images.append(dib);
    }
    return out + images;
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: make_cursor FILE.CUR");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(cursorFile()) < 0)
        return 1;
    return 0;
}

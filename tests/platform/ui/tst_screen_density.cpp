// Which copy of a picture or pointer a screen of a given density gets, and
// that the picture buttons keep their size in the layout while showing it.
// Runs at a scale of 2 (set before the application starts).

#include "shell/program_folder.h"
#include "support/test_support.h"
#include "ui/cursor_file.h"
#include "ui/image_button.h"
#include "ui/screen_density.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestScreenDensity : public QObject
{
    Q_OBJECT
private slots:
    void chooseDensity_data();
    void chooseDensity();
    void shippedCopies_data();
    void shippedCopies();
    void copyOfWrongSizeIsIgnored();
    void missingPictureIsNull();
    void buttonShowsCopyAtItsOwnSize();
    void pointerImagePerDensity_data();
    void pointerImagePerDensity();
};

void TestScreenDensity::chooseDensity_data()
{
    QTest::addColumn<QList<qreal>>("available");
    QTest::addColumn<qreal>("wanted");
    QTest::addColumn<qreal>("chosen");
    const QList<qreal> all{1.0, 1.5, 2.0};
    QTest::newRow("plain screen") << all << 1.0 << 1.0;
    QTest::newRow("exact 1.5") << all << 1.5 << 1.5;
    QTest::newRow("exact 2") << all << 2.0 << 2.0;
    QTest::newRow("1.25 scales the 1.5 copy down") << all << 1.25 << 1.5;
    QTest::newRow("1.75 scales the 2 copy down") << all << 1.75 << 2.0;
    QTest::newRow("3 takes the densest") << all << 3.0 << 2.0;
    QTest::newRow("below 1 takes the plain") << all << 0.5 << 1.0;
    QTest::newRow("only the plain") << QList<qreal>{1.0} << 2.0 << 1.0;
    QTest::newRow("unordered") << QList<qreal>{2.0, 1.0, 1.5} << 1.2 << 1.5;
    QTest::newRow("1.5 stored inexactly") << all << 1.4999 << 1.5;
}

void TestScreenDensity::chooseDensity()
{
    QFETCH(QList<qreal>, available);
    QFETCH(qreal, wanted);
    QFETCH(qreal, chosen);
    QCOMPARE(::chooseDensity(available, wanted), chosen);
}

void TestScreenDensity::shippedCopies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("density");
    QTest::addColumn<QSize>("devicePixels");
    QTest::newRow("35 at 1") << "Open1.bmp" << 1.0 << QSize(35, 35);
    QTest::newRow("35 at 1.5") << "Open1.bmp" << 1.5 << QSize(53, 53);
    QTest::newRow("35 at 2") << "play2.bmp" << 2.0 << QSize(70, 70);
    QTest::newRow("35x30 at 1.5") << "bcolor1.bmp" << 1.5 << QSize(53, 45);
    QTest::newRow("help at 2") << "howto.bmp" << 2.0 << QSize(78, 56);
    QTest::newRow("19x20 at 3") << "arrow.bmp" << 3.0 << QSize(57, 60);
    QTest::newRow("24 at 1.25") << "rewind.bmp" << 1.25 << QSize(30, 30);
}

void TestScreenDensity::shippedCopies()
{
    QFETCH(QString, name);
    QFETCH(qreal, density);
    QFETCH(QSize, devicePixels);
    const QString path = programFile(name);
    const QSize plain = QImage(path).size();
    const QPixmap picture = densityPixmap(path, density);
    QCOMPARE(picture.size(), devicePixels);
    // However many device pixels, the layout sees the picture's own size.
    QCOMPARE(picture.deviceIndependentSize().toSize(), plain);
    if (density == 2.0) {
        // Drawn at that density, not stretched: the shipped copy itself.
        const QImage copy(QDir(programFolder()).filePath(name.chopped(4) + "@2x.png"));
        QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32), copy.convertToFormat(QImage::Format_RGB32));
    }
}

void TestScreenDensity::copyOfWrongSizeIsIgnored()
{
    // A copy left from an older drawing of another size would move the
    // panel's controls: the plain picture is scaled instead.
    QTemporaryDir dir;
    QImage plain(20, 10, QImage::Format_RGB32);
    plain.fill(Qt::red);
    QVERIFY(plain.save(dir.filePath("pic.bmp")));
    QImage stale(30, 30, QImage::Format_RGB32);
    stale.fill(Qt::blue);
    QVERIFY(stale.save(dir.filePath("pic@2x.png")));
    const QPixmap picture = densityPixmap(dir.filePath("pic.bmp"), 2.0);
    QCOMPARE(picture.size(), QSize(40, 20));
    QCOMPARE(picture.toImage().pixelColor(20, 10), QColor(Qt::red));
}

void TestScreenDensity::missingPictureIsNull()
{
    QTemporaryDir dir;
    QImage copy(70, 70, QImage::Format_RGB32);
    copy.fill(Qt::blue);
    QVERIFY(copy.save(dir.filePath("gone@2x.png")));
    // A copy alone does not stand in for a missing picture.
    QVERIFY(densityPixmap(dir.filePath("gone.bmp"), 2.0).isNull());
    QVERIFY(densityPixmap(dir.filePath("gone.bmp"), 1.0).isNull());
}

void TestScreenDensity::buttonShowsCopyAtItsOwnSize()
{
    QWidget window;
    auto *button = new ImageButton(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(button->devicePixelRatioF(), 2.0);
    QVERIFY(button->setPicture("Stop2.bmp"));
    QCOMPARE(button->pixmap().size(), QSize(70, 70));
    QCOMPARE(button->sizeHint(), QSize(35, 35));
    // A missing file still keeps the picture shown.
    QVERIFY(!button->setPicture("nothing.bmp"));
    QCOMPARE(button->pictureName(), QStringLiteral("Stop2.bmp"));
    QCOMPARE(button->pixmap().size(), QSize(70, 70));
}

void TestScreenDensity::pointerImagePerDensity_data()
{
    QTest::addColumn<qreal>("density");
    QTest::addColumn<int>("side");
    QTest::newRow("1") << 1.0 << 32;
    QTest::newRow("1.5") << 1.5 << 48;
    QTest::newRow("2") << 2.0 << 64;
    QTest::newRow("2.5 takes the largest") << 2.5 << 64;
}

void TestScreenDensity::pointerImagePerDensity()
{
    QFETCH(qreal, density);
    QFETCH(int, side);
    const QCursor hand = cursorFromFile(programFile("H_POINT.CUR"), Qt::ArrowCursor, density);
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(side, side));
    QCOMPARE(hand.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    // The hot spot is the pointer's own (the finger tip), whichever image
    // shows it, and the finger is there at every size.
    QCOMPARE(hand.hotSpot(), QPoint(9, 1));
    const qreal scale = side / 32.0;
    const QImage image = hand.pixmap().toImage();
    QVERIFY(qAlpha(image.pixel(qRound(9.5 * scale), qRound(3 * scale))) > 128);
    QCOMPARE(qAlpha(image.pixel(side - 1, 0)), 0);
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    testsupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestScreenDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screen_density.moc"

#include "text/utf8_offsets.h"

#include <QTest>

// The engine turns word positions into UTF-8 byte offsets and the export
// turns them back: both ways must agree on every kind of character.
class TestUtf8Offsets : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip()
    {
        // ASCII, two-byte, three-byte and four-byte (a surrogate pair).
        const QString text = u"a é € 😀 end"_qs;
        Utf8Offsets there, back;
        for (qsizetype at = 0; at <= text.size(); ++at) {
            if (at < text.size() && text.at(at).isLowSurrogate())
                continue;  // inside a pair: no word starts there
            const qint64 bytes = there.toUtf8(text, at);
            QCOMPARE(bytes, qint64(QStringView(text).left(at).toUtf8().size()));
            QCOMPARE(back.toUtf16(text, bytes), at);
        }
    }

    void cursorStartsAgain()
    {
        const QString text = u"über über"_qs;
        Utf8Offsets offsets;
        // Inside the second ü's two bytes: the character after it.
        QCOMPARE(offsets.toUtf16(text, 7), qsizetype(6));
        // An earlier position (a new text from the same engine) is found too.
        QCOMPARE(offsets.toUtf16(text, 0), qsizetype(0));
        QCOMPARE(offsets.toUtf8(text, 6), qint64(8));
        QCOMPARE(offsets.toUtf8(text, 1), qint64(2));
        // Past the end: the end.
        QCOMPARE(offsets.toUtf16(text, 1000), text.size());
        QCOMPARE(offsets.toUtf8(text, 1000), qint64(text.toUtf8().size()));
    }
};

QTEST_APPLESS_MAIN(TestUtf8Offsets)

#include "tst_utf8_offsets.moc"

#include "documents/text_decoder.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextEncoding)

class TestTextDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
};

void TestTextDecoder::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");

    const auto bytes = [](const char *b, qsizetype n) { return QByteArray(b, n); };
    QTest::newRow("empty") << QByteArray() << TextEncoding::Utf8 << QString();
    QTest::newRow("ascii") << QByteArray("Hello") << TextEncoding::Utf8 << u"Hello"_s;
    QTest::newRow("utf-8 without mark") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << TextEncoding::Utf8
                                        << u"café €"_s;
    QTest::newRow("utf-8 emoji") << QByteArray("\xF0\x9F\x98\x80") << TextEncoding::Utf8 << u"\U0001F600"_s;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9") << TextEncoding::Utf8WithBom
                                     << u"café"_s;
    QTest::newRow("utf-8 mark alone") << QByteArray("\xEF\xBB\xBF") << TextEncoding::Utf8WithBom << QString();
    QTest::newRow("utf-8 cut in its last character") << QByteArray("\xC3\xA9t\xC3") << TextEncoding::Utf8
                                                     << u"ét\uFFFD"_s;
    QTest::newRow("windows-1252 ending in a lead byte") << QByteArray("caf\xE9") << TextEncoding::Windows1252
                                                        << u"café"_s;
    QTest::newRow("utf-16 LE with mark") << bytes("\xFF\xFE" "a\0\xE9\0\x3F\x04", 8) << TextEncoding::Utf16LE
                                         << u"aéп"_s;
    QTest::newRow("utf-16 BE with mark") << bytes("\xFE\xFF\0a\0\xE9", 6) << TextEncoding::Utf16BE << u"aé"_s;
    QTest::newRow("utf-16 LE surrogate pair") << bytes("\xFF\xFE\x3D\xD8\x00\xDE", 6) << TextEncoding::Utf16LE
                                              << u"\U0001F600"_s;
    QTest::newRow("utf-16 LE lone surrogate replaced") << bytes("\xFF\xFE\x3D\xD8" "a\0", 6)
                                                       << TextEncoding::Utf16LE << u"\uFFFDa"_s;
    QTest::newRow("utf-16 BE lone low surrogate replaced") << bytes("\xFE\xFF\0a\xDE\0", 6)
                                                           << TextEncoding::Utf16BE << u"a\uFFFD"_s;
    QTest::newRow("utf-16 LE without mark") << bytes("H\0i\0 \0t\0h\0e\0r\0e\0", 16) << TextEncoding::Utf16LE
                                            << u"Hi there"_s;
    QTest::newRow("utf-16 BE without mark") << bytes("\0H\0i\0!\0?", 8) << TextEncoding::Utf16BE << u"Hi!?"_s;
    QTest::newRow("utf-32 LE with mark") << bytes("\xFF\xFE\0\0a\0\0\0", 8) << TextEncoding::Utf32LE << u"a"_s;
    QTest::newRow("utf-32 BE with mark") << bytes("\0\0\xFE\xFF\0\0\0a", 8) << TextEncoding::Utf32BE << u"a"_s;
    QTest::newRow("windows-1252 letters and punctuation")
        << QByteArray("caf\xE9 \x80 \x93x\x94 \x96 \x85") << TextEncoding::Windows1252 << u"café € “x” – …"_s;
    QTest::newRow("windows-1252 undefined byte") << QByteArray("a\x81") << TextEncoding::Windows1252
                                                 << u"a\u0081"_s;
    QTest::newRow("one bad byte makes it windows-1252") << QByteArray("\xC3\xA9 \xE9t") << TextEncoding::Windows1252
                                                        << u"Ã© ét"_s;
    QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("\xC0\xAF") << TextEncoding::Windows1252
                                                 << u"À¯"_s;
    QTest::newRow("encoded surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << TextEncoding::Windows1252
                                                    << u"í\u00A0€"_s;
    QTest::newRow("beyond U+10FFFF is not utf-8") << QByteArray("\xF4\x90\x80\x80") << TextEncoding::Windows1252
                                                  << u"ô\u0090€€"_s;
    QTest::newRow("line endings left alone") << QByteArray("a\r\nb\rc") << TextEncoding::Utf8 << u"a\r\nb\rc"_s;
    QTest::newRow("zeros on both sides are not utf-16") << bytes("a\0\0b", 4) << TextEncoding::Utf8
                                                        << u"a\0\0b"_s;
}

void TestTextDecoder::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);

    QCOMPARE(detectTextEncoding(bytes), encoding);
    TextEncoding used = TextEncoding::Windows1252;
    QCOMPARE(decodeText(bytes, &used), text);
    QCOMPARE(used, encoding);
}

QTEST_GUILESS_MAIN(TestTextDecoder)
#include "tst_text_decoder.moc"

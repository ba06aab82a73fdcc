#include "text/text_chunker.h"

#include <QTest>

class TestTextChunker : public QObject
{
    Q_OBJECT
private slots:
    void next_data();
    void next();
    void piecesCoverTheText_data();
    void piecesCoverTheText();
};

void TestTextChunker::next_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("start");  // -1: no piece
    QTest::addColumn<int>("end");

    QTest::newRow("first sentence") << u"Hello world. Next one."_qs << 0 << 400 << 0 << 12;
    QTest::newRow("second sentence") << u"Hello world. Next one."_qs << 12 << 400 << 13 << 22;
    QTest::newRow("leading blanks skipped") << u"   Hi there."_qs << 0 << 400 << 3 << 12;
    QTest::newRow("only blanks") << u"  \n\t "_qs << 0 << 400 << -1 << -1;
    QTest::newRow("empty") << QString() << 0 << 400 << -1 << -1;
    QTest::newRow("from past the end") << u"abc"_qs << 10 << 400 << -1 << -1;
    QTest::newRow("negative from") << u"abc"_qs << -4 << 400 << 0 << 3;
    QTest::newRow("title abbreviation") << u"Mr. Smith went home. Then"_qs << 0 << 400 << 0 << 20;
    QTest::newRow("initials") << u"J. R. Smith is here. Yes"_qs << 0 << 400 << 0 << 20;
    QTest::newRow("decimal number") << u"It costs 3.50 now. Ok"_qs << 0 << 400 << 0 << 18;
    QTest::newRow("lowercase after full stop") << u"It is 5 p.m. and late. Go"_qs << 0 << 400 << 0 << 22;
    QTest::newRow("quoted question") << u"\"Really?!\" she said. No"_qs << 0 << 400 << 0 << 20;
    QTest::newRow("closing quote kept") << u"He said \"go.\" Then"_qs << 0 << 400 << 0 << 13;
    QTest::newRow("ellipsis") << u"Wait\u2026 Then"_qs << 0 << 400 << 0 << 5;
    QTest::newRow("blank line ends paragraph") << u"Title\n\nBody text."_qs << 0 << 400 << 0 << 5;
    QTest::newRow("blank line with spaces") << u"Title\n  \r\nBody"_qs << 0 << 400 << 0 << 5;
    QTest::newRow("single line break continues") << u"line one\nline two."_qs << 0 << 400 << 0 << 18;
    QTest::newRow("no punctuation, fits") << u"no stop here"_qs << 0 << 400 << 0 << 12;
    QTest::newRow("too long: clause break") << u"aaaa bbbb, cccc dddd eeee"_qs << 0 << 20 << 0 << 10;
    QTest::newRow("too long: line break") << u"aaaa bbbb\ncccc dddd eeee"_qs << 0 << 20 << 0 << 9;
    QTest::newRow("too long: last space") << u"aaaa bbbb cccc dddd eeee"_qs << 0 << 12 << 0 << 9;
    QTest::newRow("too long: one word cut") << u"abcdefghij"_qs << 0 << 4 << 0 << 4;
    QTest::newRow("surrogate pair kept whole") << u"abc\U0001F600def"_qs << 0 << 4 << 0 << 3;
    QTest::newRow("surrogate pair at start") << u"\U0001F600\U0001F600"_qs << 0 << 1 << 0 << 2;
    QTest::newRow("zero length limit") << u"abc"_qs << 0 << 0 << 0 << 1;
}

void TestTextChunker::next()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, maxLength);
    QFETCH(int, start);
    QFETCH(int, end);
    TextChunker::Piece piece;
    const bool found = TextChunker::next(text, from, maxLength, &piece);
    QCOMPARE(found, start >= 0);
    if (found) {
        QCOMPARE(piece.start, start);
        QCOMPARE(piece.end, end);
    }
}

void TestTextChunker::piecesCoverTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QString prose;
    for (int i = 0; i < 300; ++i)
        prose += u"Sentence %1 says Mr. X paid $3.50, then \u201Cleft\u201D\u2026 "_qs.arg(i) + (i % 7 ? u""_qs : u"\n\n"_qs);
    QTest::newRow("prose, 400") << prose << 400;
    QTest::newRow("prose, 30") << prose << 30;
    QTest::newRow("one endless word") << QString(5000, u'x') << 160;
    QTest::newRow("emoji run") << QString(u"\U0001F600"_qs).repeated(500) << 7;
}

void TestTextChunker::piecesCoverTheText()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    qsizetype from = 0;
    int pieces = 0;
    TextChunker::Piece piece;
    while (TextChunker::next(text, from, maxLength, &piece)) {
        // Only blanks are left out between pieces.
        QVERIFY(piece.start >= from);
        QVERIFY(text.mid(from, piece.start - from).trimmed().isEmpty());
        QVERIFY(piece.end > piece.start);
        // A sentence may run on by its closing punctuation only.
        QVERIFY2(piece.end - piece.start <= maxLength + 3, qPrintable(text.mid(piece.start, piece.end - piece.start)));
        QVERIFY(!text.at(piece.end - 1).isHighSurrogate());
        from = piece.end;
        ++pieces;
    }
    QVERIFY(text.mid(from).trimmed().isEmpty());
    QVERIFY(pieces > 1);
}

QTEST_APPLESS_MAIN(TestTextChunker)
#include "tst_text_chunker.moc"

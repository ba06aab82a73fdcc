#include "sapi5/speech_text.h"

#include <QTest>

using namespace speechtext;

class TestSpeechText : public QObject
{
    Q_OBJECT
private slots:
    void wordEnd_data();
    void wordEnd();
    void codePointOffsets_data();
    void codePointOffsets();
    void wordsPerMinute_data();
    void wordsPerMinute();
};

void TestSpeechText::wordEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("word");
    QTest::newRow("plain word") << "hello world" << 0 << "hello";
    QTest::newRow("second word") << "hello world" << 6 << "world";
    QTest::newRow("trailing full stop") << "end." << 0 << "end";
    QTest::newRow("trailing comma") << "one, two" << 0 << "one";
    QTest::newRow("umlauts and sharp s") << QString::fromUtf8("Grüße aus") << 0 << QString::fromUtf8("Grüße");
    QTest::newRow("apostrophe") << "don't stop" << 0 << "don't";
    QTest::newRow("typographic apostrophe") << QString::fromUtf8("it’s here") << 0 << QString::fromUtf8("it’s");
    QTest::newRow("hyphenated") << "e-mail me" << 0 << "e-mail";
    QTest::newRow("decimal number") << "3.14 is pi" << 0 << "3.14";
    QTest::newRow("thousands separator") << "1,000,000 people" << 0 << "1,000,000";
    QTest::newRow("number then full stop") << "42." << 0 << "42";
    QTest::newRow("inside curly quotes") << QString::fromUtf8("“quoted” word") << 1 << "quoted";
    QTest::newRow("before no-break space") << QString::fromUtf8("ten\u00a0km") << 0 << "ten";
    QTest::newRow("emoji") << QString::fromUtf8("a 😀 b") << 2 << QString::fromUtf8("😀");
    QTest::newRow("emoji then full stop") << QString::fromUtf8("😀.") << 0 << QString::fromUtf8("😀");
    QTest::newRow("currency sign") << "$5" << 0 << "$";
    QTest::newRow("combining accent") << QString::fromUtf8("cafe\u0301 au") << 0 << QString::fromUtf8("cafe\u0301");
    QTest::newRow("letter outside the basic plane") << QString::fromUtf8("𝐀𝐁 c") << 0 << QString::fromUtf8("𝐀𝐁");
    QTest::newRow("last word of text") << "word" << 0 << "word";
    QTest::newRow("hyphen at the end") << "pre- and" << 0 << "pre";
}

void TestSpeechText::wordEnd()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(QString, word);
    QCOMPARE(text.mid(start, speechtext::wordEnd(text, start) - start), word);
}


void TestSpeechText::codePointOffsets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qsizetype>>("offsets");
    QTest::newRow("ascii") << "ab" << QList<qsizetype>{0, 1, 2};
    QTest::newRow("emoji counts two") << QString::fromUtf8("a😀b") << QList<qsizetype>{0, 1, 3, 4};
    QTest::newRow("umlaut counts one") << QString::fromUtf8("ü") << QList<qsizetype>{0, 1};
    QTest::newRow("empty") << QString() << QList<qsizetype>{0};
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u'x' << QList<qsizetype>{0, 1, 2};
}

void TestSpeechText::codePointOffsets()
{
    QFETCH(QString, text);
    QFETCH(QList<qsizetype>, offsets);
    QCOMPARE(speechtext::codePointOffsets(text), offsets);
}

void TestSpeechText::wordsPerMinute_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("wpm");
    QTest::newRow("normal") << 0 << 175;
    QTest::newRow("slowest is clamped to 80") << -10 << 80;
    QTest::newRow("slow") << -5 << 101;
    QTest::newRow("slightly slower") << -1 << 157;
    QTest::newRow("slightly faster") << 1 << 195;
    QTest::newRow("fast") << 5 << 303;
    QTest::newRow("nine is past the top") << 9 << 450;
    QTest::newRow("just above the bottom") << -7 << 81;
    QTest::newRow("fastest is clamped to 450") << 10 << 450;
    QTest::newRow("beyond range") << 25 << 450;
    QTest::newRow("below range") << -25 << 80;
}

void TestSpeechText::wordsPerMinute()
{
    QFETCH(int, rate);
    QFETCH(int, wpm);
    QCOMPARE(speechtext::wordsPerMinute(rate), wpm);
}

QTEST_APPLESS_MAIN(TestSpeechText)
#include "tst_speech_text.moc"

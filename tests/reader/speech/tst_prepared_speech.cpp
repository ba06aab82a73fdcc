// A text made ready for a voice: rules, then the voice's quirks, with the
// positions still leading back to the written text.

#include "speech/prepared_speech.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPreparedSpeech : public QObject
{
    Q_OBJECT
private slots:
    void prepare_data();
    void prepare();
    void digitsKeepWordPositions();
    void nothingToSay_data();
    void nothingToSay();
};

namespace {

const QString digitsVoice = u"Microsoft Simplified Chinese"_s;

PronunciationRules rules(const QList<PronunciationRule> &list)
{
    return PronunciationRules(list);
}

}  // namespace

void TestPreparedSpeech::prepare_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<PronunciationRule>>("list");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("spoken");
    const QList<PronunciationRule> none;
    const QList<PronunciationRule> sql{{u"SQL"_s, u"sequel"_s}};
    QTest::newRow("no rules, no quirks") << u"Read SQL 12"_s << none << QString() << u"Read SQL 12"_s;
    QTest::newRow("a rule") << u"Read SQL now"_s << sql << QString() << u"Read sequel now"_s;
    QTest::newRow("full-width digits, plain voice") << u"\uFF11\uFF12 and \uFF10"_s << none << u"English"_s
                                                    << u"\uFF11\uFF12 and \uFF10"_s;
    QTest::newRow("full-width digits, the voice that needs ASCII") << u"\uFF11\uFF12 and \uFF10, \uFF19"_s << none
                                                                   << digitsVoice << u"12 and 0, 9"_s;
    // The quirk applies to what the rules made, not only to what was written.
    QTest::newRow("digits a rule wrote") << u"room SQL"_s << QList<PronunciationRule>{{u"SQL"_s, u"\uFF13\uFF14"_s}}
                                         << digitsVoice << u"room 34"_s;
    QTest::newRow("ASCII digits untouched") << u"Call 0800"_s << none << digitsVoice << u"Call 0800"_s;
}

void TestPreparedSpeech::prepare()
{
    QFETCH(QString, written);
    QFETCH(QList<PronunciationRule>, list);
    QFETCH(QString, voice);
    QFETCH(QString, spoken);
    const PreparedSpeech prepared = prepareSpeech(written, rules(list), voice);
    QCOMPARE(prepared.spoken, spoken);
    QVERIFY(!prepared.isEmpty());
}

void TestPreparedSpeech::digitsKeepWordPositions()
{
    // A word after replaced digits is highlighted where it was written.
    const QString written = u"\uFF11\uFF12\uFF13 SQL words"_s;
    const PreparedSpeech prepared = prepareSpeech(written, rules({{u"SQL"_s, u"sequel"_s}}), digitsVoice);
    QCOMPARE(prepared.spoken, u"123 sequel words"_s);
    const qsizetype spokenWords = prepared.spoken.indexOf(u"words"_s);
    QCOMPARE(prepared.map.writtenPosition(spokenWords), written.indexOf(u"words"_s));
    QCOMPARE(prepared.map.writtenRange(4, 6), (PositionMap::Range{4, 3}));  // "sequel" says "SQL"
}

void TestPreparedSpeech::nothingToSay_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<PronunciationRule>>("list");
    QTest::addColumn<bool>("empty");
    QTest::newRow("empty") << QString() << QList<PronunciationRule>() << true;
    QTest::newRow("blanks and line breaks") << u" \n\t \r\n"_s << QList<PronunciationRule>() << true;
    QTest::newRow("a rule removes the only word") << u"  um  "_s << QList<PronunciationRule>{{u"um"_s, QString()}} << true;
    QTest::newRow("a rule leaves a word") << u"um, yes"_s << QList<PronunciationRule>{{u"um"_s, QString()}} << false;
    QTest::newRow("a lone full stop") << u"."_s << QList<PronunciationRule>() << false;
}

void TestPreparedSpeech::nothingToSay()
{
    QFETCH(QString, written);
    QFETCH(QList<PronunciationRule>, list);
    QFETCH(bool, empty);
    const PreparedSpeech prepared = prepareSpeech(written, rules(list));
    QCOMPARE(prepared.isEmpty(), empty);
    QCOMPARE(saysNothing(prepared.spoken), empty);
}

QTEST_GUILESS_MAIN(TestPreparedSpeech)
#include "tst_prepared_speech.moc"

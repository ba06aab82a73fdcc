// The two speaking voices through their one interface, on the real engines
// and the null sink: the same cases once per engine.

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/sapi4_voice.h"
#include "speech/sapi5_voice.h"
#include "support/test_support.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr int eventTimeout = 30000;

const QString sentence = QStringLiteral("Every engine reads these few plain words aloud.");
const QString longText = QStringLiteral(
    "This text is long enough to keep the voice busy while the test pauses it and stops it, "
    "and it goes on for a while with plain words that every engine can say without trouble.");

}  // namespace

class TestSpeakingVoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void speaksWithWordsInsideTheText();
    void stopWhilePausedEndsTheSpeech();
    void onlyTheLastOfTwoSpeechesEnds();
    void stopWhenIdleRaisesNothing();
    void barsReachTheEnginesLimits();

private:
    bool flite() const { return QTest::currentDataTag() == QByteArray("flite"); }

    std::unique_ptr<DirectSS> m_directSS;
    std::unique_ptr<SpVoice> m_spVoice;
    std::unique_ptr<SpeakingVoice> m_voice;
};

void TestSpeakingVoice::initTestCase_data()
{
    QTest::addColumn<bool>("unused");
    QTest::newRow("flite") << true;
    QTest::newRow("espeak-ng") << true;
}

void TestSpeakingVoice::init()
{
    if (flite()) {
        m_directSS = std::make_unique<DirectSS>();
        QVERIFY(m_directSS->CountEngines() > 0);
        m_directSS->setCurrentMode(1);  // Kal, 8 kHz: quick to make
        m_voice = std::make_unique<Sapi4Voice>(m_directSS.get());
    } else {
        m_spVoice = std::make_unique<SpVoice>();
        QVERIFY(m_spVoice->isValid());
        m_voice = std::make_unique<Sapi5Voice>(m_spVoice.get());
    }
}

void TestSpeakingVoice::cleanup()
{
    if (m_voice)
        m_voice->stop();
    m_voice.reset();
    m_directSS.reset();
    m_spVoice.reset();
}

void TestSpeakingVoice::speaksWithWordsInsideTheText()
{
    QSignalSpy started(m_voice.get(), &SpeakingVoice::started);
    QSignalSpy words(m_voice.get(), &SpeakingVoice::word);
    QSignalSpy ended(m_voice.get(), &SpeakingVoice::ended);
    m_voice->speak(sentence);
    QVERIFY(ended.wait(eventTimeout));
    QCOMPARE(started.count(), 1);
    QCOMPARE(ended.count(), 1);
    QVERIFY(words.count() >= 5);
    qint64 last = -1;
    for (const QList<QVariant> &word : std::as_const(words)) {
        const qint64 position = word.at(0).toLongLong();
        const qint64 length = word.at(1).toLongLong();
        QVERIFY2(position >= 0 && position < sentence.size(), qPrintable(QString::number(position)));
        QVERIFY(position > last);
        last = position;
        // Each word starts a word of the text.
        QVERIFY(sentence.at(position).isLetter());
        QVERIFY(position == 0 || sentence.at(position - 1).isSpace());
        // flite tells only where a word starts; espeak-ng its length too.
        if (flite())
            QCOMPARE(length, SpeakingVoice::unknownLength);
        else
            QVERIFY(length > 0 && position + length <= sentence.size());
    }
}

void TestSpeakingVoice::stopWhilePausedEndsTheSpeech()
{
    QSignalSpy words(m_voice.get(), &SpeakingVoice::word);
    QSignalSpy ended(m_voice.get(), &SpeakingVoice::ended);
    m_voice->speak(longText);
    QVERIFY(words.wait(eventTimeout));
    m_voice->pause();
    // An end the engine reports while paused is allowed only where the
    // voice says so.
    if (!m_voice->mayEndWhilePaused())
        QVERIFY(!ended.wait(500));
    words.clear();
    QVERIFY(!words.wait(800));  // paused means silent
    ended.clear();
    m_voice->stop();
    if (ended.isEmpty())
        QVERIFY(ended.wait(eventTimeout));
    QCOMPARE(ended.count(), 1);
    // Nothing is left paused: the next speech is heard.
    QSignalSpy started(m_voice.get(), &SpeakingVoice::started);
    m_voice->speak(sentence);
    QVERIFY(started.wait(eventTimeout));
}

void TestSpeakingVoice::onlyTheLastOfTwoSpeechesEnds()
{
    // A second speech handed over before the first has ended is queued
    // after it; the reading ends once, after both.
    QSignalSpy words(m_voice.get(), &SpeakingVoice::word);
    QSignalSpy ended(m_voice.get(), &SpeakingVoice::ended);
    m_voice->speak(QStringLiteral("One two."));
    m_voice->speak(QStringLiteral("Three four."));
    QVERIFY(ended.wait(eventTimeout));
    QVERIFY(!ended.wait(1000));
    QCOMPARE(ended.count(), 1);
    QVERIFY(words.count() >= 4);
}

void TestSpeakingVoice::stopWhenIdleRaisesNothing()
{
    QSignalSpy ended(m_voice.get(), &SpeakingVoice::ended);
    QSignalSpy started(m_voice.get(), &SpeakingVoice::started);
    m_voice->stop();
    m_voice->resume();
    QVERIFY(!ended.wait(500));
    QCOMPARE(started.count(), 0);
}

void TestSpeakingVoice::barsReachTheEnginesLimits()
{
    m_voice->setRate(0);
    if (flite())
        QCOMPARE(m_directSS->Speed(), m_directSS->MinSpeed());
    else
        QCOMPARE(m_spVoice->Rate(), -10);
    m_voice->setRate(100);
    if (flite())
        QCOMPARE(m_directSS->Speed(), m_directSS->MaxSpeed());
    else
        QCOMPARE(m_spVoice->Rate(), 10);
    m_voice->setVolume(0);
    if (flite()) {
        QCOMPARE(m_directSS->VolumeLeft(), 0);
        QCOMPARE(m_directSS->VolumeRight(), 0);
    } else {
        QCOMPARE(m_spVoice->Volume(), 0);
    }
    // Pitch: flite's from its lowest to its highest; espeak-ng has none here.
    QCOMPARE(m_voice->hasPitch(), flite());
    if (flite()) {
        m_voice->setPitch(0);
        QCOMPARE(m_directSS->Pitch(), m_directSS->MinPitch());
        m_voice->setPitch(100);
        QCOMPARE(m_directSS->Pitch(), m_directSS->MaxPitch());
    }
}

SAYORA_GUI_TEST_MAIN(TestSpeakingVoice)
#include "tst_speaking_voice.moc"

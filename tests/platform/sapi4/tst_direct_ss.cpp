#include "sapi4/direct_ss.h"

#include "audio/speech_player.h"
#include "sapi4/flite_thread.h"
#include "sapi4/flite_voices.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>

namespace {

// Events as the reader sees them, in order: "start", "stop" or the UTF-16
// position of a word.
struct EventLog
{
    QStringList events;
    QList<qint64> words;

    void attach(DirectSS *dss)
    {
        QObject::connect(dss, &DirectSS::AudioStart, dss, [this](int, int) { events << u"start"_qs; });
        QObject::connect(dss, &DirectSS::AudioStop, dss, [this](int, int) { events << u"stop"_qs; });
        QObject::connect(dss, &DirectSS::WordPosition, dss, [this](int, int, qint64 byteOffset) {
            events << u"word"_qs;
            words << byteOffset / 2;
        });
    }
    int count(const QString &what) const { return int(events.count(what)); }
};

int engineNamed(const DirectSS &dss, const QString &fragment)
{
    for (int i = 1; i <= dss.CountEngines(); ++i) {
        if (dss.ModeName(i).contains(fragment))
            return i;
    }
    return 0;
}

QString longText(int sentences)
{
    QString text;
    for (int i = 0; i < sentences; ++i)
        text += u"This is sentence number %1 of a long text. "_qs.arg(i + 1);
    return text;
}

} // namespace

class TestDirectSS : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void initTestCase();
    void init();

    void enginesAreListed();
    void find_data();
    void find();
    void limitsAndClamping();
    void volumeClamped();

    void wordsAtPlayTime_data();
    void wordsAtPlayTime();
    void queuedTextsFormOneRun();
    void speakWhileEndingIsNotLost();
    void resetRaisesStopPromptly();
    void resetBeforeFirstSound();
    void resetWhenIdleRaisesNothing();
    void pauseHoldsWords();
    void speedChangeReachesRunningSpeech();
    void changeIsHeardAtTheNextWord_data();
    void changeIsHeardAtTheNextWord();
    void blankTextSaysNothing();

    void noVoicesMeansNoEngines();

private:
    std::unique_ptr<DirectSS> makeEngine();
};

void TestDirectSS::initTestCase_data()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("kal 8 kHz") << u"8 kHz"_qs;
    QTest::newRow("slt 16 kHz") << u"SLT"_qs;
}

void TestDirectSS::initTestCase()
{
    SpeechPlayer::setForceNullSink(true);
}

void TestDirectSS::init()
{
    qunsetenv("SAYORA_FLITE_VOICES");
}

std::unique_ptr<DirectSS> TestDirectSS::makeEngine()
{
    QFETCH_GLOBAL(QString, engine);
    auto dss = std::make_unique<DirectSS>();
    const int index = engineNamed(*dss, engine);
    if (index == 0)
        return nullptr;
    dss->setCurrentMode(index);
    return dss;
}

void TestDirectSS::enginesAreListed()
{
    DirectSS dss;
    QCOMPARE(dss.CountEngines(), 5);
    const QStringList expected = {u"Flite Kal (US English, male, 8 kHz)"_qs,
                                  u"Flite Kal (US English, male, 16 kHz)"_qs,
                                  u"Flite AWB (Scottish English, male)"_qs,
                                  u"Flite RMS (US English, male)"_qs,
                                  u"Flite SLT (US English, female)"_qs};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(dss.ModeName(i + 1), expected.at(i));
    QCOMPARE(dss.ModeName(0), QString());
    QCOMPARE(dss.ModeName(6), QString());
    QCOMPARE(dss.CurrentMode(), 5);  // slt
    QCOMPARE(dss.sampleRate(), 16000);

    dss.setCurrentMode(1);
    QCOMPARE(dss.sampleRate(), 8000);
    dss.setCurrentMode(0);
    dss.setCurrentMode(6);
    dss.setCurrentMode(-3);
    QCOMPARE(dss.CurrentMode(), 1);
}

void TestDirectSS::find_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty gives current") << 3 << QString() << 3;
    QTest::newRow("blank gives current") << 2 << u"  "_qs << 2;
    QTest::newRow("Microsoft female gives slt") << 1 << u"Mfg=Microsoft;Gender=1"_qs << 5;
    QTest::newRow("male gives first male") << 5 << u"Gender=2"_qs << 1;
    QTest::newRow("key case ignored") << 1 << u"gENDER=1;"_qs << 5;
    QTest::newRow("speaker picks awb") << 1 << u"Speaker=awb"_qs << 3;
    QTest::newRow("more matches win") << 1 << u"Gender=2;Speaker=RMS;Mfg=CMU"_qs << 4;
    QTest::newRow("mode name") << 1 << u"ModeName=Flite Kal (US English, male, 16 kHz)"_qs << 2;
    QTest::newRow("language id English") << 5 << u"Language=1033;Gender=2"_qs << 1;
    QTest::newRow("no match gives lowest index") << 4 << u"Mfg=Microsoft;Speaker=Sam"_qs << 1;
    QTest::newRow("junk without pairs gives current") << 4 << u";;=;x"_qs << 4;
    QTest::newRow("value with equals sign") << 1 << u"Speaker=S=LT;Gender=1"_qs << 5;
    QTest::newRow("non-numeric gender") << 1 << u"Gender=female"_qs << 5;
    QTest::newRow("spaces around pairs") << 1 << u" Gender = 1 ; Age = 30 "_qs << 5;
}

void TestDirectSS::find()
{
    QFETCH(int, current);
    QFETCH(QString, attributes);
    QFETCH(int, expected);
    DirectSS dss;
    dss.setCurrentMode(current);
    QCOMPARE(dss.Find(attributes), expected);
    QCOMPARE(dss.CurrentMode(), current);  // finding does not select
}

void TestDirectSS::limitsAndClamping()
{
    DirectSS dss;
    for (int i = 1; i <= dss.CountEngines(); ++i) {
        dss.setCurrentMode(i);
        const QString name = dss.ModeName(i);
        const int normalSpeed = dss.Speed();
        const int normalPitch = dss.Pitch();
        // The reader divides by these spans.
        QVERIFY2(dss.MaxSpeed() > dss.MinSpeed(), qPrintable(name));
        QVERIFY2(dss.MaxPitch() > dss.MinPitch(), qPrintable(name));
        QVERIFY2(dss.MinSpeed() <= normalSpeed * 6 / 10 && dss.MaxSpeed() >= normalSpeed * 2, qPrintable(name));
        QVERIFY2(dss.MinPitch() < normalPitch && normalPitch < dss.MaxPitch(), qPrintable(name));

        dss.setSpeed(0);
        QCOMPARE(dss.Speed(), dss.MinSpeed());
        dss.setSpeed(100000);
        QCOMPARE(dss.Speed(), dss.MaxSpeed());
        dss.setSpeed(dss.MinSpeed() + 1);
        QCOMPARE(dss.Speed(), dss.MinSpeed() + 1);
        dss.setPitch(-5);
        QCOMPARE(dss.Pitch(), dss.MinPitch());
        dss.setPitch(5000);
        QCOMPARE(dss.Pitch(), dss.MaxPitch());
    }
    // Each engine keeps its own settings.
    dss.setCurrentMode(1);
    dss.setSpeed(dss.MinSpeed());
    dss.setCurrentMode(5);
    dss.setSpeed(dss.MinSpeed() + 10);
    dss.setCurrentMode(1);
    QCOMPARE(dss.Speed(), dss.MinSpeed());
}

void TestDirectSS::volumeClamped()
{
    DirectSS dss;
    QCOMPARE(dss.VolumeLeft(), 65535);
    dss.setVolumeLeft(32768);
    dss.setVolumeRight(dss.VolumeLeft());
    QCOMPARE(dss.VolumeRight(), 32768);
    dss.setVolumeLeft(-1);
    QCOMPARE(dss.VolumeLeft(), 0);
    dss.setVolumeLeft(70000);
    QCOMPARE(dss.VolumeLeft(), 65535);
}

void TestDirectSS::wordsAtPlayTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint64>>("starts");
    // Z-umlaut, a number spoken as two words, and an emoji (two UTF-16 units)
    QTest::newRow("non-ASCII, number, emoji")
        << u"Hello Zürich, 42 times 😀 today."_qs << QList<qint64>{0, 6, 14, 17, 26};
    QTest::newRow("leading blanks and curly quotes")
        << u"  \u201CQuoted\u201D words\u2014dashed."_qs << QList<qint64>{3, 11};
    QTest::newRow("two sentences")
        << u"First one. Second one!"_qs << QList<qint64>{0, 6, 11, 18};
}

void TestDirectSS::wordsAtPlayTime()
{
    QFETCH(QString, text);
    QFETCH(QList<qint64>, starts);
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);

    dss->Speak(text);
    QVERIFY(log.events.isEmpty());  // nothing before the sound
    QVERIFY(stops.wait(30000));

    QCOMPARE(log.events.first(), u"start"_qs);
    QCOMPARE(log.events.last(), u"stop"_qs);
    QCOMPARE(log.count(u"start"_qs), 1);
    QCOMPARE(log.count(u"stop"_qs), 1);
    QCOMPARE(log.words, starts);
}

void TestDirectSS::queuedTextsFormOneRun()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);

    dss->Speak(u"One two."_qs);
    dss->Speak(u"Three four."_qs);
    QVERIFY(stops.wait(30000));
    QCOMPARE(log.events, (QStringList{u"start"_qs, u"word"_qs, u"word"_qs, u"word"_qs, u"word"_qs, u"stop"_qs}));
    // Positions are within the text each Speak was given.
    QCOMPARE(log.words, (QList<qint64>{0, 4, 0, 6}));
}

void TestDirectSS::speakWhileEndingIsNotLost()
{
    // The first text is wholly synthesized by its last word (flite streams
    // a short piece in a few milliseconds); the second must still be
    // spoken, after it.
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    int heard = 0;
    connect(dss.get(), &DirectSS::WordPosition, this, [&](int, int, qint64) {
        if (++heard == 2)
            dss->Speak(u"Three."_qs);
    });
    dss->Speak(u"One two."_qs);
    QTRY_VERIFY_WITH_TIMEOUT(log.count(u"stop"_qs) == 2, 30000);
    QCOMPARE(log.events, (QStringList{u"start"_qs, u"word"_qs, u"word"_qs, u"stop"_qs,
                                      u"start"_qs, u"word"_qs, u"stop"_qs}));
    QCOMPARE(log.words, (QList<qint64>{0, 4, 0}));
}

void TestDirectSS::resetRaisesStopPromptly()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    QSignalSpy words(dss.get(), &DirectSS::WordPosition);

    dss->Speak(longText(200));
    QVERIFY(words.wait(30000));
    dss->AudioReset();
    // Raised during the call: the reader's halt reason must still hold.
    QCOMPARE(log.count(u"stop"_qs), 1);
    const int wordsAtReset = int(words.count());
    QVERIFY(!words.wait(1000));
    QCOMPARE(words.count(), wordsAtReset);
    QCOMPARE(log.count(u"stop"_qs), 1);

    // The engine speaks again afterwards.
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);
    dss->Speak(u"Again."_qs);
    QVERIFY(stops.wait(30000));
    QCOMPARE(log.count(u"start"_qs), 2);
    QCOMPARE(log.words.last(), 0);
}

void TestDirectSS::resetBeforeFirstSound()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());

    dss->Speak(longText(50));
    dss->AudioReset();
    QCOMPARE(log.events, QStringList{u"stop"_qs});
    QSignalSpy starts(dss.get(), &DirectSS::AudioStart);
    QVERIFY(!starts.wait(1000));
    QCOMPARE(log.events, QStringList{u"stop"_qs});
}

void TestDirectSS::resetWhenIdleRaisesNothing()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    dss->AudioReset();
    dss->AudioResume();
    dss->AudioReset();
    QVERIFY(log.events.isEmpty());
}

void TestDirectSS::pauseHoldsWords()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    QSignalSpy words(dss.get(), &DirectSS::WordPosition);
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);

    const QString text = u"Pause after the first word, and then carry on to the end."_qs;
    dss->Speak(text);
    QVERIFY(words.wait(30000));
    dss->AudioPause();
    const int wordsAtPause = int(words.count());
    QVERIFY(!words.wait(1500));
    QCOMPARE(words.count(), wordsAtPause);
    QCOMPARE(stops.count(), 0);

    dss->AudioResume();
    QVERIFY(stops.wait(30000));
    QCOMPARE(log.count(u"start"_qs), 1);
    QCOMPARE(log.words.size(), text.split(u' ').size());
    QCOMPARE(log.words.last(), text.lastIndexOf(u"end"_qs));
}

void TestDirectSS::speedChangeReachesRunningSpeech()
{
    // A change made while speaking is heard from a later sentence on: the
    // text must end sooner than at the slowest speed throughout.
    auto dss = makeEngine();
    QVERIFY(dss);
    const QString text = longText(3);
    QElapsedTimer clock;

    dss->setSpeed(dss->MaxSpeed());
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);
    clock.start();
    dss->Speak(text);
    QVERIFY(stops.wait(60000));
    const qint64 fast = clock.elapsed();

    QSignalSpy words(dss.get(), &DirectSS::WordPosition);
    dss->setSpeed(dss->MinSpeed());
    clock.restart();
    dss->Speak(text);
    QVERIFY(words.wait(30000));
    dss->setSpeed(dss->MaxSpeed());
    QVERIFY(stops.wait(90000));
    const qint64 changed = clock.elapsed();
    // All at the slowest speed would take about five times as long as fast.
    QVERIFY2(changed < fast * 4, qPrintable(u"fast %1 ms, changed %2 ms"_qs.arg(fast).arg(changed)));
}

void TestDirectSS::changeIsHeardAtTheNextWord_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("startFast");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("expect");  // length against the unchanged speech: -1 shorter, 1 longer, 0 any
    const QString longSentence = u"A listener who finds the voice too slow moves the speed control while a long "
                                 "sentence like this one is being read, with its clauses and its many words, "
                                 "and expects to hear the change within a moment rather than at the full stop "
                                 "that ends it. Then it goes on."_qs;
    QTest::newRow("faster within a long sentence") << QStringList{longSentence} << false << u"speed"_qs << -1;
    QTest::newRow("higher pitch") << QStringList{longSentence} << true << u"pitch"_qs << 0;
    QTest::newRow("paused right after the change") << QStringList{longSentence} << false << u"speed and pause"_qs << -1;
    QTest::newRow("slower across two queued texts")
        << QStringList{u"One two three four five six."_qs, u"Seven eight nine ten."_qs} << true << u"slower"_qs << 1;
}

// A speed or pitch change in running speech is heard from the next word on:
// the same run goes on (one start, one stop), every word comes once and in
// order, and at a new speed the speech ends much sooner or later than it
// would have (compared in samples of the stream, not wall time).
void TestDirectSS::changeIsHeardAtTheNextWord()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, startFast);
    QFETCH(QString, change);
    QFETCH(int, expect);
    auto dss = makeEngine();
    QVERIFY(dss);
    dss->setSpeed(startFast ? dss->MaxSpeed() : dss->MinSpeed());

    // The unchanged speech: where its words are and where its last word starts.
    const QString engineName = dss->ModeName(dss->CurrentMode());
    const int speed = dss->Speed();
    const int pitch = dss->Pitch();
    QList<qint64> expectedWords;
    qint64 unchangedLastWord = 0;
    std::atomic<bool> made{false};
    FliteThread::instance()->post([&] {
        for (const FliteVoice &voice : FliteVoices::all()) {
            if (voice.name != engineName)
                continue;
            qint64 base = 0;
            for (const QString &text : texts) {
                const FliteSpeech speech = FliteVoices::synthesize(voice, text, speed, pitch);
                for (const WordMark &mark : speech.marks) {
                    expectedWords << mark.textPosition;
                    unchangedLastWord = base + mark.sample;
                }
                base += speech.pcm.size() / 2;
            }
        }
        made = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(made, 60000);
    QVERIFY(expectedWords.size() > 5);

    EventLog log;
    log.attach(dss.get());
    auto *player = dss->findChild<SpeechPlayer *>();
    QVERIFY(player);
    qint64 lastWordSample = -1;
    connect(player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) { lastWordSample = m.sample; });
    QSignalSpy stops(dss.get(), &DirectSS::AudioStop);
    bool changed = false;
    connect(dss.get(), &DirectSS::WordPosition, this, [&] {
        if (changed || log.words.size() != 3)
            return;
        changed = true;
        if (change == u"pitch")
            dss->setPitch(dss->MaxPitch());
        else
            dss->setSpeed(change == u"slower" ? dss->MinSpeed() : dss->MaxSpeed());
        if (change == u"speed and pause")
            dss->AudioPause();
    });
    for (const QString &text : texts)
        dss->Speak(text);
    QTRY_VERIFY_WITH_TIMEOUT(changed, 30000);

    if (change == u"speed and pause") {
        const int heard = int(log.words.size());
        QTimer t;
        t.setSingleShot(true);
        QSignalSpy timeout(&t, &QTimer::timeout);
        t.start(1500);
        QVERIFY(timeout.wait(10000));
        QCOMPARE(log.words.size(), heard);
        QCOMPARE(stops.count(), 0);
        dss->AudioResume();
    }
    QVERIFY(stops.count() == 1 || stops.wait(90000));
    QCOMPARE(log.count(u"start"_qs), 1);
    QCOMPARE(log.count(u"stop"_qs), 1);
    QCOMPARE(log.events.first(), u"start"_qs);
    QCOMPARE(log.events.last(), u"stop"_qs);
    QCOMPARE(log.words, expectedWords);

    const QString lengths = u"changed %1, unchanged %2 samples"_qs.arg(lastWordSample).arg(unchangedLastWord);
    if (expect < 0)
        QVERIFY2(lastWordSample < unchangedLastWord * 45 / 100, qPrintable(lengths));
    if (expect > 0)
        QVERIFY2(lastWordSample > unchangedLastWord * 2, qPrintable(lengths));
}

void TestDirectSS::blankTextSaysNothing()
{
    auto dss = makeEngine();
    QVERIFY(dss);
    EventLog log;
    log.attach(dss.get());
    dss->Speak(QString());
    dss->Speak(u" \n\t "_qs);
    QSignalSpy starts(dss.get(), &DirectSS::AudioStart);
    QVERIFY(!starts.wait(500));
    QVERIFY(log.events.isEmpty());
}

void TestDirectSS::noVoicesMeansNoEngines()
{
    qputenv("SAYORA_FLITE_VOICES", "");
    DirectSS dss;
    EventLog log;
    log.attach(&dss);
    QCOMPARE(dss.CountEngines(), 0);
    QCOMPARE(dss.CurrentMode(), 0);
    QCOMPARE(dss.ModeName(1), QString());
    QCOMPARE(dss.Find(QString()), 0);
    QCOMPARE(dss.Find(u"Mfg=Microsoft;Gender=1"_qs), 0);
    QCOMPARE(dss.Speed(), 0);
    QCOMPARE(dss.MaxSpeed(), 0);
    QCOMPARE(dss.Pitch(), 0);
    QCOMPARE(dss.sampleRate(), 0);
    dss.setCurrentMode(1);
    dss.setSpeed(200);
    dss.setPitch(100);
    dss.setVolumeLeft(100);
    dss.Speak(u"Hello."_qs);
    dss.AudioPause();
    dss.AudioResume();
    dss.AudioReset();
    QCOMPARE(dss.CurrentMode(), 0);
    QSignalSpy starts(&dss, &DirectSS::AudioStart);
    QVERIFY(!starts.wait(300));
    QVERIFY(log.events.isEmpty());
}

QTEST_GUILESS_MAIN(TestDirectSS)
#include "tst_direct_ss.moc"

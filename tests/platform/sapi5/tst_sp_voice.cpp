#include "sapi5/sp_voice.h"

#include "audio/speech_player.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

namespace {

struct Event
{
    QString kind;  // "start", "word", "end"
    long stream = 0;
    qint64 position = 0;  // stream position in bytes
    qint64 character = 0;
    qint64 length = 0;
};

// Records a voice's events in the order they come.
class Recorder : public QObject
{
public:
    explicit Recorder(SpVoice *voice)
    {
        connect(voice, &SpVoice::StartStream, this, [this](long n, const QVariant &p) {
            events.append({QStringLiteral("start"), n, p.toLongLong(), 0, 0});
        });
        connect(voice, &SpVoice::Word, this, [this](long n, const QVariant &p, qint64 c, qint64 l) {
            events.append({QStringLiteral("word"), n, p.toLongLong(), c, l});
        });
        connect(voice, &SpVoice::EndStream, this, [this](long n, const QVariant &p) {
            events.append({QStringLiteral("end"), n, p.toLongLong(), 0, 0});
        });
    }

    QList<Event> events;

    QList<Event> of(const QString &kind) const
    {
        QList<Event> r;
        for (const Event &e : events) {
            if (e.kind == kind)
                r.append(e);
        }
        return r;
    }

    QStringList words(const QString &text) const
    {
        QStringList r;
        for (const Event &e : of(QStringLiteral("word")))
            r << text.mid(e.character, e.length);
        return r;
    }
};

struct WaveInfo
{
    bool valid = false;
    int rate = 0;
    qint64 dataBytes = 0;
    QByteArray data;
};

WaveInfo readWave(const QString &path)
{
    WaveInfo w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray all = f.readAll();
    if (all.size() < 44)
        return w;
    const char *p = all.constData();
    const bool ok = all.startsWith("RIFF") && all.mid(8, 8) == "WAVEfmt "
        && qFromLittleEndian<quint32>(p + 4) == quint32(all.size() - 8)
        && qFromLittleEndian<quint16>(p + 20) == 1   // PCM
        && qFromLittleEndian<quint16>(p + 22) == 1   // mono
        && qFromLittleEndian<quint16>(p + 34) == 16  // bits
        && all.mid(36, 4) == "data"
        && qFromLittleEndian<quint32>(p + 40) == quint32(all.size() - 44);
    w.valid = ok;
    w.rate = int(qFromLittleEndian<quint32>(p + 24));
    w.dataBytes = qFromLittleEndian<quint32>(p + 40);
    w.data = all.mid(44);
    return w;
}

QString longText(int minLength)
{
    const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank. ");
    QString text;
    text.reserve(minLength + sentence.size());
    while (text.size() < minLength)
        text += sentence;
    return text;
}

}  // namespace

class TestSpVoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void voicesHaveReadableNames();
    void wordEventsMapToText_data();
    void wordEventsMapToText();
    void sentencesFollowOneAnother();
    void purgeEndsEveryStream();
    void purgeWithEmptyTextOnlyPurges();
    void pauseHoldsWords();
    void fileStreamWritesWave();
    void rateChangesDuration();
    void rateChangeIsHeardInRunningSpeech_data();
    void rateChangeIsHeardInRunningSpeech();
    void rateChangeNearTheEnd();
    void volumeScalesFileOutput();
    void synchronousSpeakWaits();
    void twoVoicesShareTheEngine();
    void voiceChoiceIsUsed();
    void fileStreamRejectsBadPath();

private:
    QTemporaryDir m_dir;
};

void TestSpVoice::initTestCase()
{
    SpeechPlayer::setForceNullSink(true);
    QVERIFY(m_dir.isValid());
    SpVoice voice;
    QVERIFY2(voice.isValid(), qPrintable(voice.errorString()));
}

void TestSpVoice::voicesHaveReadableNames()
{
    SpVoice voice;
    const QList<SpObjectToken> voices = voice.GetVoices(QString(), QString());
    QVERIFY(voices.size() > 100);
    QStringList names;
    QSet<QString> ids;
    bool inVariants = false;
    for (const SpObjectToken &t : voices) {
        const QString name = t.GetDescription(0);
        names << name;
        ids.insert(t.Id());
        QVERIFY2(!name.isEmpty() && !name.contains(u'_') && name == name.trimmed(), qPrintable(name));
        const bool variant = name.contains(QStringLiteral(", variant "));
        QVERIFY2(!(inVariants && !variant), "language voices come before variants");
        inVariants = inVariants || variant;
    }
    QVERIFY(inVariants);
    QCOMPARE(ids.size(), voices.size());
    QVERIFY(names.contains(QStringLiteral("English (America)")));
    QVERIFY(names.contains(QStringLiteral("English (Great Britain)")));
    QVERIFY(names.contains(QStringLiteral("French (France)")));
    QVERIFY(names.contains(QStringLiteral("English (America), variant Klatt")));
    QCOMPARE(voice.Voice().Id(), QStringLiteral("en-us"));
    // Stable order between calls.
    QCOMPARE(voice.GetVoices(), voices);
}

void TestSpVoice::wordEventsMapToText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("umlauts, emoji and number")
        << QString::fromUtf8("Grüße 😀 from 42 Zürich streets.")
        << QStringList{QString::fromUtf8("Grüße"), QString::fromUtf8("😀"), "from", "42", QString::fromUtf8("Zürich"), "streets"};
    QTest::newRow("no-break space and curly quotes")
        << QString::fromUtf8("Ten\u00a0km to “the town” now.")
        << QStringList{"Ten", "km", "to", "the", "town", "now"};
    QTest::newRow("long number speaks as one word")
        << QStringLiteral("We counted 1234567 birds.")
        << QStringList{"We", "counted", "1234567", "birds"};
}

// Words arrive in order, each naming its exact span of the spoken text in
// UTF-16 units, between one StartStream and one EndStream.
void TestSpVoice::wordEventsMapToText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    SpVoice voice;
    voice.setRate(6);
    Recorder rec(&voice);
    QSignalSpy end(&voice, &SpVoice::EndStream);
    const long stream = voice.Speak(text, SpVoice::SVSFlagsAsync);
    QVERIFY(stream > 0);
    QVERIFY(rec.events.isEmpty());  // nothing before Speak returns
    QVERIFY(end.wait(30000));

    QVERIFY(rec.events.size() >= 2);
    QCOMPARE(rec.events.first().kind, QStringLiteral("start"));
    QCOMPARE(rec.events.last().kind, QStringLiteral("end"));
    QCOMPARE(rec.of("start").size(), 1);
    QCOMPARE(rec.of("end").size(), 1);
    for (const Event &e : rec.events)
        QCOMPARE(e.stream, stream);
    QCOMPARE(rec.words(text), words);
    qint64 last = -1;
    for (const Event &e : rec.of("word")) {
        QVERIFY(e.position >= last);
        QVERIFY(e.position % 2 == 0);
        last = e.position;
    }
    QVERIFY(rec.events.last().position >= last);
    QVERIFY(!voice.isSpeaking());
}

// A text of several sentences is synthesized piece by piece; positions keep
// counting from the start of the whole text.
void TestSpVoice::sentencesFollowOneAnother()
{
    const QString text = QStringLiteral("First one. Second one! Third one? Fourth one; fifth one.\nSixth one.");
    SpVoice voice;
    voice.setRate(10);
    Recorder rec(&voice);
    QSignalSpy end(&voice, &SpVoice::EndStream);
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QVERIFY(end.wait(30000));
    QCOMPARE(rec.words(text), (QStringList{"First", "one", "Second", "one", "Third", "one", "Fourth", "one",
                                           "fifth", "one", "Sixth", "one"}));
}

// Purge drops the speaking stream and every queued one, raising each one's
// EndStream at once and in order; no word of them comes afterwards.
void TestSpVoice::purgeEndsEveryStream()
{
    SpVoice voice;
    Recorder rec(&voice);
    QSignalSpy words(&voice, &SpVoice::Word);
    const long first = voice.Speak(longText(5000), SpVoice::SVSFlagsAsync);
    const long second = voice.Speak(QStringLiteral("Queued behind."), SpVoice::SVSFlagsAsync);
    QVERIFY(second > first);
    QVERIFY(words.wait(20000));

    const long third = voice.Speak(QStringLiteral("After purge."), SpVoice::SVSFlagsAsync | SpVoice::SVSFPurgeBeforeSpeak);
    const QList<Event> ends = rec.of("end");
    QCOMPARE(ends.size(), 2);
    QCOMPARE(ends.at(0).stream, first);
    QCOMPARE(ends.at(1).stream, second);
    QVERIFY(ends.at(0).position > 0);

    QSignalSpy end(&voice, &SpVoice::EndStream);
    QVERIFY(end.wait(30000));
    QCOMPARE(end.at(0).at(0).toLongLong(), qint64(third));
    // Everything after the purge belongs to the new stream.
    bool afterPurge = false;
    for (const Event &e : rec.events) {
        if (e.kind == "end" && e.stream == second) {
            afterPurge = true;
            continue;
        }
        if (afterPurge)
            QCOMPARE(e.stream, third);
    }
    QVERIFY(!voice.isSpeaking());
}

void TestSpVoice::purgeWithEmptyTextOnlyPurges()
{
    SpVoice voice;
    Recorder rec(&voice);
    // Purging an idle voice raises nothing.
    QCOMPARE(voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak), 0L);
    QVERIFY(rec.events.isEmpty());

    // Purged before its first sound: EndStream still comes, at once.
    const long n = voice.Speak(longText(2000), SpVoice::SVSFlagsAsync);
    QCOMPARE(voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak), 0L);
    QCOMPARE(rec.of("end").size(), 1);
    QCOMPARE(rec.of("end").at(0).stream, n);
    QVERIFY(!voice.isSpeaking());

    // Nothing of the dropped speech arrives later.
    QTimer t;
    t.setSingleShot(true);
    QSignalSpy timeout(&t, &QTimer::timeout);
    t.start(500);
    QVERIFY(timeout.wait(10000));
    QCOMPARE(rec.of("word").size(), 0);
    QCOMPARE(rec.of("end").size(), 1);
}

void TestSpVoice::pauseHoldsWords()
{
    const QString text = QStringLiteral("One two three four five six.");
    SpVoice voice;
    voice.setRate(4);
    Recorder rec(&voice);
    bool paused = false;
    connect(&voice, &SpVoice::Word, this, [&] {
        if (!paused) {
            paused = true;
            voice.Pause();
        }
    });
    QSignalSpy end(&voice, &SpVoice::EndStream);
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QTRY_VERIFY_WITH_TIMEOUT(paused, 20000);
    const int wordsAtPause = rec.of("word").size();

    // Longer than the whole sentence takes: a running clock would finish it.
    QTimer t;
    t.setSingleShot(true);
    QSignalSpy timeout(&t, &QTimer::timeout);
    t.start(2500);
    QVERIFY(timeout.wait(10000));
    QCOMPARE(rec.of("word").size(), wordsAtPause);
    QCOMPARE(end.count(), 0);
    QVERIFY(voice.isSpeaking());

    voice.Resume();
    QVERIFY(end.wait(30000));
    QCOMPARE(rec.words(text), (QStringList{"One", "two", "three", "four", "five", "six"}));
}

// Rendering to a file runs as fast as the synthesizer: a valid WAV whose
// length matches the stream positions of the events.
void TestSpVoice::fileStreamWritesWave()
{
    const QString text = longText(600);
    const QString path = m_dir.filePath(QStringLiteral("out.wav"));
    SpVoice voice;
    Recorder rec(&voice);
    SpFileStream file;
    QVERIFY2(file.Open(path, SpFileStream::SSFMCreateForWrite, false), qPrintable(file.errorString()));
    voice.setAudioOutputStream(&file);
    QCOMPARE(voice.AudioOutputStream(), &file);
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QVERIFY(voice.WaitUntilDone(-1));
    QVERIFY(file.Close());
    voice.setAudioOutputStream(nullptr);

    const WaveInfo wave = readWave(path);
    QVERIFY(wave.valid);
    QCOMPARE(wave.rate, voice.sampleRate());
    QCOMPARE(wave.dataBytes, file.bytesWritten());
    const double seconds = wave.dataBytes / 2.0 / wave.rate;
    QVERIFY2(seconds > 20 && seconds < 120, qPrintable(QString::number(seconds)));

    QCOMPARE(rec.events.first().kind, QStringLiteral("start"));
    QCOMPARE(rec.events.last().kind, QStringLiteral("end"));
    QCOMPARE(rec.events.last().position, wave.dataBytes);
    const QList<Event> words = rec.of("word");
    QVERIFY(words.size() > 90);
    const double lastWord = words.last().position / 2.0 / wave.rate;
    // The last word ("bank") starts shortly before the end of the audio.
    QVERIFY2(lastWord < seconds && seconds - lastWord < 1.5,
             qPrintable(QStringLiteral("%1 of %2").arg(lastWord).arg(seconds)));
    QCOMPARE(text.mid(words.last().character, words.last().length), QStringLiteral("bank"));
}

void TestSpVoice::rateChangesDuration()
{
    const QString text = longText(300);
    QList<qint64> sizes;
    for (long rate : {-5L, 0L, 5L}) {
        const QString path = m_dir.filePath(QStringLiteral("rate%1.wav").arg(rate));
        SpVoice voice;
        voice.setRate(rate);
        QCOMPARE(voice.Rate(), rate);
        SpFileStream file;
        QVERIFY(file.Open(path));
        voice.setAudioOutputStream(&file);
        voice.Speak(text, SpVoice::SVSFDefault);
        QVERIFY(file.Close());
        sizes << readWave(path).dataBytes;
    }
    // About 1.7 times faster per step of five.
    QVERIFY2(sizes[0] > sizes[1] * 1.3 && sizes[1] > sizes[2] * 1.3,
             qPrintable(QStringLiteral("%1 %2 %3").arg(sizes[0]).arg(sizes[1]).arg(sizes[2])));
}

void TestSpVoice::rateChangeIsHeardInRunningSpeech_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<long>>("rates");  // set one after another at the third word
    QTest::addColumn<bool>("pauseAfter");
    const QString oneSentence = QStringLiteral(
        "Reading aloud at an even pace takes a while, so the listener moves the rate "
        "control and expects to hear the voice speed up within a fraction of a second.");
    const QString sentences = QStringLiteral(
        "The first sentence sets the pace for all of the reading that follows it, and it runs on "
        "for quite a while before it lets the next one have its turn. A second one follows. "
        "A third closes the text.");
    QTest::newRow("much faster, text wholly made") << oneSentence << QList<long>{10} << false;
    QTest::newRow("much faster, sentences still to make") << sentences << QList<long>{10} << false;
    QTest::newRow("two changes at once") << sentences << QList<long>{4, 10} << false;
    QTest::newRow("paused right after the change") << oneSentence << QList<long>{10} << true;
}

// A rate change in running speech is heard from the next word on, not from
// the next sentence: the speech ends much sooner than without the change,
// within the same stream, with every word once and in order.
void TestSpVoice::rateChangeIsHeardInRunningSpeech()
{
    QFETCH(QString, text);
    QFETCH(QList<long>, rates);
    QFETCH(bool, pauseAfter);

    // The unchanged speech, rendered as fast as the synthesizer goes.
    SpVoice reference;
    Recorder unchanged(&reference);
    SpFileStream file;
    QVERIFY(file.Open(m_dir.filePath(QStringLiteral("unchanged.wav"))));
    reference.setAudioOutputStream(&file);
    reference.Speak(text, SpVoice::SVSFDefault);
    QVERIFY(file.Close());
    const QList<Event> expected = unchanged.of(QStringLiteral("word"));
    const qint64 unchangedBytes = unchanged.events.last().position;
    QVERIFY(expected.size() > 10);

    SpVoice voice;
    Recorder rec(&voice);
    QSignalSpy end(&voice, &SpVoice::EndStream);
    bool changed = false;
    connect(&voice, &SpVoice::Word, this, [&] {
        if (changed || rec.of(QStringLiteral("word")).size() != 3)
            return;
        changed = true;
        for (long rate : rates)
            voice.setRate(rate);
        if (pauseAfter)
            voice.Pause();
    });
    const long stream = voice.Speak(text, SpVoice::SVSFlagsAsync);
    QTRY_VERIFY_WITH_TIMEOUT(changed, 30000);
    QCOMPARE(voice.Rate(), rates.last());

    if (pauseAfter) {
        const int heard = int(rec.of(QStringLiteral("word")).size());
        QTimer t;
        t.setSingleShot(true);
        QSignalSpy timeout(&t, &QTimer::timeout);
        t.start(1500);
        QVERIFY(timeout.wait(10000));
        QCOMPARE(rec.of(QStringLiteral("word")).size(), heard);
        QCOMPARE(end.count(), 0);
        voice.Resume();
    }
    QVERIFY(end.count() == 1 || end.wait(60000));

    QCOMPARE(rec.of(QStringLiteral("start")).size(), 1);
    QCOMPARE(rec.of(QStringLiteral("end")).size(), 1);
    QCOMPARE(rec.events.first().kind, QStringLiteral("start"));
    QCOMPARE(rec.events.last().kind, QStringLiteral("end"));
    const QList<Event> words = rec.of(QStringLiteral("word"));
    QList<qint64> got, want;
    for (const Event &e : words)
        got << e.character;
    for (const Event &e : expected)
        want << e.character;
    QCOMPARE(got, want);
    qint64 last = 0;
    for (const Event &e : rec.events) {
        QCOMPARE(e.stream, stream);
        QVERIFY(e.kind == QLatin1String("start") || e.position >= last);
        last = std::max(last, e.position);
    }
    // Three times faster after the first few words: well under the
    // unchanged length (compared in stream positions, not wall time).
    const qint64 changedBytes = rec.events.last().position;
    QVERIFY2(changedBytes < unchangedBytes * 6 / 10,
             qPrintable(QStringLiteral("changed %1, unchanged %2 bytes").arg(changedBytes).arg(unchangedBytes)));
    QVERIFY(!voice.isSpeaking());
}

// A change while the last word plays has nothing left to remake: the speech
// ends as it would have, once.
void TestSpVoice::rateChangeNearTheEnd()
{
    const QString text = QStringLiteral("Three short words.");
    SpVoice voice;
    Recorder rec(&voice);
    QSignalSpy end(&voice, &SpVoice::EndStream);
    connect(&voice, &SpVoice::Word, this, [&](long, const QVariant &, qint64 character) {
        if (character == text.indexOf(QStringLiteral("words")))
            voice.setRate(-10);
    });
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QVERIFY(end.wait(30000));
    QCOMPARE(rec.words(text), (QStringList{"Three", "short", "words"}));
    QCOMPARE(rec.of(QStringLiteral("start")).size(), 1);
    QCOMPARE(rec.of(QStringLiteral("end")).size(), 1);
    QCOMPARE(voice.Rate(), -10L);
    // The stream stays usable at the new rate.
    voice.Speak(QStringLiteral("Again."), SpVoice::SVSFDefault);
    QCOMPARE(rec.of(QStringLiteral("word")).size(), 4);
}

void TestSpVoice::volumeScalesFileOutput()
{
    auto peak = [this](long volume) {
        const QString path = m_dir.filePath(QStringLiteral("vol%1.wav").arg(volume));
        SpVoice voice;
        voice.setVolume(volume);
        SpFileStream file;
        file.Open(path);
        voice.setAudioOutputStream(&file);
        voice.Speak(QStringLiteral("Loud and clear."), SpVoice::SVSFDefault);
        file.Close();
        const QByteArray data = readWave(path).data;
        int max = 0;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            max = std::max(max, std::abs(int(qFromLittleEndian<qint16>(data.constData() + i))));
        return max;
    };
    const int full = peak(100);
    const int half = peak(50);
    QVERIFY(full > 1000);
    QVERIFY2(half > full * 0.3 && half < full * 0.7, qPrintable(QStringLiteral("%1 %2").arg(half).arg(full)));
    QCOMPARE(peak(0), 0);
}

void TestSpVoice::synchronousSpeakWaits()
{
    SpVoice voice;
    voice.setRate(10);
    Recorder rec(&voice);
    voice.Speak(QStringLiteral("Short."), SpVoice::SVSFDefault);
    QVERIFY(!voice.isSpeaking());
    QCOMPARE(rec.events.last().kind, QStringLiteral("end"));
    QVERIFY(voice.WaitUntilDone(0));
}

// One voice speaks while another renders a file: the shared synthesis thread
// serves both and each gets only its own events.
void TestSpVoice::twoVoicesShareTheEngine()
{
    SpVoice speaker;
    speaker.setRate(10);
    SpVoice writer;
    Recorder spoken(&speaker);
    Recorder written(&writer);
    SpFileStream file;
    QVERIFY(file.Open(m_dir.filePath(QStringLiteral("both.wav"))));
    writer.setAudioOutputStream(&file);

    QSignalSpy speakerEnd(&speaker, &SpVoice::EndStream);
    const QString a = QStringLiteral("Alpha beta gamma. Delta epsilon.");
    const QString b = longText(400);
    speaker.Speak(a, SpVoice::SVSFlagsAsync);
    writer.Speak(b, SpVoice::SVSFlagsAsync);
    QVERIFY(writer.WaitUntilDone(60000));
    QVERIFY(speakerEnd.count() == 1 || speakerEnd.wait(30000));
    QVERIFY(file.Close());

    QCOMPARE(spoken.words(a), (QStringList{"Alpha", "beta", "gamma", "Delta", "epsilon"}));
    const QStringList w = written.words(b);
    QVERIFY(w.size() > 60);
    QCOMPARE(w.first(), QStringLiteral("The"));
    QCOMPARE(readWave(file.fileName()).dataBytes * 1, file.bytesWritten());
}

void TestSpVoice::voiceChoiceIsUsed()
{
    // The same text lasts differently in two different voices; the chosen
    // token must reach the synthesizer.
    SpVoice voice;
    const QList<SpObjectToken> voices = voice.GetVoices();
    SpObjectToken english, klatt;
    for (const SpObjectToken &t : voices) {
        if (t.Id() == QLatin1String("en-us"))
            english = t;
        if (t.GetDescription() == QLatin1String("English (America), variant Klatt"))
            klatt = t;
    }
    QVERIFY(!english.isNull() && !klatt.isNull());
    auto render = [&](const SpObjectToken &token, const QString &name) {
        voice.setVoice(token);
        SpFileStream file;
        file.Open(m_dir.filePath(name));
        voice.setAudioOutputStream(&file);
        voice.Speak(QStringLiteral("A quick test of the voice."), SpVoice::SVSFDefault);
        voice.setAudioOutputStream(nullptr);
        file.Close();
        return readWave(m_dir.filePath(name)).data;
    };
    const QByteArray plain = render(english, QStringLiteral("plain.wav"));
    QCOMPARE(voice.Voice(), english);
    const QByteArray variant = render(klatt, QStringLiteral("klatt.wav"));
    QCOMPARE(voice.Voice(), klatt);
    QVERIFY(!plain.isEmpty() && !variant.isEmpty());
    QVERIFY(plain != variant);
}

void TestSpVoice::fileStreamRejectsBadPath()
{
    SpFileStream file;
    QVERIFY(!file.Open(m_dir.filePath(QStringLiteral("missing/folder/out.wav"))));
    QVERIFY(!file.errorString().isEmpty());
    QVERIFY(!file.isOpen());
    QVERIFY(!file.Open(m_dir.filePath(QStringLiteral("read.wav")), SpFileStream::SSFMOpenForRead));
}

QTEST_GUILESS_MAIN(TestSpVoice)
#include "tst_sp_voice.moc"

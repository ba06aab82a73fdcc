#include "sapi4/flite_voices.h"

#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace {

// The next synthesis meets a flite error while it reads the words of its
// utterance.
std::atomic<bool> failNextReading{false};

bool failOnce()
{
    return failNextReading.exchange(false);
}

const FliteVoice *voiceById(const QString &id)
{
    for (const FliteVoice &v : FliteVoices::all()) {
        if (v.id == id)
            return &v;
    }
    return nullptr;
}

double seconds(const FliteSpeech &speech)
{
    return double(speech.pcm.size() / 2) / speech.sampleRate;
}

// Median pitch of the voiced 40 ms frames, by autocorrelation.
double medianPitch(const FliteSpeech &speech)
{
    const auto *s = reinterpret_cast<const qint16 *>(speech.pcm.constData());
    const int n = int(speech.pcm.size() / 2);
    const int rate = speech.sampleRate;
    const int frame = rate / 25;
    std::vector<double> pitches;
    for (int at = 0; at + 2 * frame < n; at += frame) {
        double energy = 0;
        for (int i = 0; i < frame; ++i)
            energy += double(s[at + i]) * s[at + i];
        if (energy / frame < 1e6)
            continue;
        int bestLag = 0;
        double best = 0;
        for (int lag = rate / 500; lag < rate / 40; ++lag) {
            double c = 0, e = 0;
            for (int i = 0; i < frame; ++i) {
                c += double(s[at + i]) * s[at + i + lag];
                e += double(s[at + i + lag]) * s[at + i + lag];
            }
            c /= std::sqrt(energy * e + 1);
            if (c > best) {
                best = c;
                bestLag = lag;
            }
        }
        if (best > 0.7)
            pitches.push_back(double(rate) / bestLag);
    }
    if (pitches.empty())
        return 0;
    std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
    return pitches[pitches.size() / 2];
}

// A stream joined up again: its audio, and its marks made absolute.
struct Joined
{
    FliteSpeech speech;
    int chunks = 0;
    int lastCalls = 0;
};

Joined stream(const FliteVoice &voice, const QString &text, int pitch, bool dropLeadingPause)
{
    Joined joined;
    FliteVoices::synthesizeStreaming(voice, text, voice.normalSpeed, pitch, dropLeadingPause,
                                     [&](FliteSpeech &&chunk, bool last) {
                                         const qint64 at = joined.speech.pcm.size() / 2;
                                         for (WordMark mark : chunk.marks) {
                                             // Each mark comes with the chunk it falls in.
                                             if (!last && mark.sample >= chunk.pcm.size() / 2)
                                                 joined.speech.failed = true;
                                             mark.sample += at;
                                             joined.speech.marks.append(mark);
                                         }
                                         joined.speech.pcm += chunk.pcm;
                                         joined.speech.sampleRate = chunk.sampleRate;
                                         joined.speech.failed |= chunk.failed;
                                         ++joined.chunks;
                                         joined.lastCalls += last ? 1 : 0;
                                         return true;
                                     });
    return joined;
}

const QString kSentence = u"The quick brown fox jumps over the lazy dog, and then it runs far away."_qs;

} // namespace

class TestFliteVoices : public QObject
{
    Q_OBJECT
private slots:
    void toFliteText_data();
    void toFliteText();

    void wordMarksPointAtTokens_data() { voiceRows(); }
    void wordMarksPointAtTokens();
    void speedScalesDuration_data() { voiceRows(); }
    void speedScalesDuration();
    void pitchRangeIsAudible_data() { voiceRows(); }
    void pitchRangeIsAudible();

    void unspeakableTextGivesNothing_data();
    void unspeakableTextGivesNothing();

    void streamMatchesWholePiece_data() { voiceRows(); }
    void streamMatchesWholePiece();
    void streamStartsAtFirstSound_data() { voiceRows(); }
    void streamStartsAtFirstSound();
    void streamStopsWhenAsked();
    void fliteErrorFailsOnePiece_data();
    void fliteErrorFailsOnePiece();

private:
    static void voiceRows();
};

void TestFliteVoices::toFliteText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("starts");
    QTest::addColumn<QList<int>>("ends");

    QTest::newRow("ASCII as it is") << u"Hi 42."_qs << QByteArray("Hi 42.")
                                    << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("accent dropped") << u"Zü!"_qs << QByteArray("Zu!") << QList<int>{0, 1, 2} << QList<int>{1, 2, 3};
    QTest::newRow("sharp s widens") << u"aßb"_qs << QByteArray("assb") << QList<int>{0, 1, 1, 2}
                                    << QList<int>{1, 2, 2, 3};
    QTest::newRow("emoji is one space") << u"a\U0001F600b"_qs << QByteArray("a b") << QList<int>{0, 1, 3}
                                        << QList<int>{1, 3, 4};
    QTest::newRow("curly quotes and dash") << u"\u201Cx\u2019s\u201D\u2014y"_qs << QByteArray("\"x's\"-y")
                                           << QList<int>{0, 1, 2, 3, 4, 5, 6} << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("ligature and ellipsis") << u"\uFB01\u2026"_qs << QByteArray("fi...") << QList<int>{0, 0, 1, 1, 1}
                                           << QList<int>{1, 1, 2, 2, 2};
    QTest::newRow("CJK, control, no-break space") << u"\u65E5\u0001\u00A0\t"_qs << QByteArray("   \t")
                                                  << QList<int>{0, 1, 2, 3} << QList<int>{1, 2, 3, 4};
    QTest::newRow("lone surrogate") << u"a"_qs + QChar(0xD800) + u"b"_qs << QByteArray("a b")
                                    << QList<int>{0, 1, 2} << QList<int>{1, 2, 3};
}

void TestFliteVoices::toFliteText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, starts);
    QFETCH(QList<int>, ends);
    const FliteText out = FliteVoices::toFliteText(text);
    QCOMPARE(out.bytes, bytes);
    QCOMPARE(out.sourceStart, starts);
    QCOMPARE(out.sourceEnd, ends);
}

void TestFliteVoices::voiceRows()
{
    QTest::addColumn<QString>("id");
    for (const QString &id : {u"kal"_qs, u"kal16"_qs, u"awb"_qs, u"rms"_qs, u"slt"_qs})
        QTest::newRow(qPrintable(id)) << id;
}

void TestFliteVoices::wordMarksPointAtTokens()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    const QString text = u"Hello Zürich, 42 times \U0001F600 today."_qs;
    const FliteSpeech speech = FliteVoices::synthesize(*voice, text, voice->normalSpeed, voice->normalPitch);
    QVERIFY(!speech.failed);
    QCOMPARE(speech.sampleRate, voice->sampleRate);
    QVERIFY(seconds(speech) > 1.0);

    QList<qint64> starts, lengths;
    qint64 last = 0;
    for (const WordMark &m : speech.marks) {
        starts << m.textPosition;
        lengths << m.length;
        QVERIFY(m.sample >= last);
        QVERIFY(m.sample <= speech.pcm.size() / 2);
        last = m.sample;
    }
    QCOMPARE(starts, (QList<qint64>{0, 6, 14, 17, 26}));
    QCOMPARE(lengths, (QList<qint64>{5, 6, 2, 5, 5}));
    // "forty two" takes time: "times" starts well after "42".
    QVERIFY(speech.marks.at(3).sample - speech.marks.at(2).sample > speech.sampleRate / 4);
}

void TestFliteVoices::speedScalesDuration()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    const double slow = seconds(FliteVoices::synthesize(*voice, kSentence, voice->minSpeed, voice->normalPitch));
    const double normal = seconds(FliteVoices::synthesize(*voice, kSentence, voice->normalSpeed, voice->normalPitch));
    const double fast = seconds(FliteVoices::synthesize(*voice, kSentence, voice->maxSpeed, voice->normalPitch));
    QVERIFY2(slow > normal && normal > fast, qPrintable(u"%1 %2 %3"_qs.arg(slow).arg(normal).arg(fast)));
    const double expected = double(voice->maxSpeed) / voice->minSpeed;
    QVERIFY2(slow / fast > expected * 0.8 && slow / fast < expected * 1.2,
             qPrintable(u"ratio %1, expected %2"_qs.arg(slow / fast).arg(expected)));
    // The normal speed is what the voice really speaks: about 15 words.
    const double wpm = 15 * 60 / normal;
    QVERIFY2(wpm > voice->normalSpeed * 0.7 && wpm < voice->normalSpeed * 1.3, qPrintable(QString::number(wpm)));
}

void TestFliteVoices::pitchRangeIsAudible()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    const FliteSpeech low = FliteVoices::synthesize(*voice, kSentence, voice->normalSpeed, voice->minPitch);
    const FliteSpeech high = FliteVoices::synthesize(*voice, kSentence, voice->normalSpeed, voice->maxPitch);
    const double lowHz = medianPitch(low);
    const double highHz = medianPitch(high);
    QVERIFY2(lowHz > 0 && highHz > lowHz * 1.5, qPrintable(u"low %1 Hz, high %2 Hz"_qs.arg(lowHz).arg(highHz)));
    // Pitch does not change the speed (rms's resampling is compensated).
    QVERIFY2(std::abs(seconds(high) / seconds(low) - 1.0) < 0.1,
             qPrintable(u"%1 s against %2 s"_qs.arg(seconds(high)).arg(seconds(low))));
}

void TestFliteVoices::unspeakableTextGivesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"  \n "_qs;
    QTest::newRow("emoji only") << u"\U0001F600\U0001F601"_qs;
    QTest::newRow("punctuation only") << u"... -- !?"_qs;
}

void TestFliteVoices::unspeakableTextGivesNothing()
{
    QFETCH(QString, text);
    const FliteVoice *voice = voiceById(u"kal"_qs);
    QVERIFY(voice);
    const FliteSpeech speech = FliteVoices::synthesize(*voice, text, voice->normalSpeed, voice->normalPitch);
    QVERIFY(!speech.failed);
    QVERIFY(speech.pcm.isEmpty());
    QVERIFY(speech.marks.isEmpty());
}

// Streaming hands out, chunk by chunk, the audio and the marks of a whole
// synthesis (rms included, whose pitch is set by resampling). The diphone
// voices give the very same samples; the samples of flite's clustergen
// voices differ from one synthesis to the next, so there the length must
// match.
void TestFliteVoices::streamMatchesWholePiece()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    const int pitch = voice->pitchByResampling ? voice->maxPitch : voice->normalPitch;
    const FliteSpeech whole = FliteVoices::synthesize(*voice, kSentence, voice->normalSpeed, pitch);
    const Joined joined = stream(*voice, kSentence, pitch, false);
    QVERIFY(!joined.speech.failed);
    QVERIFY2(joined.chunks > 5, "the audio comes in pieces");
    QCOMPARE(joined.lastCalls, 1);
    QCOMPARE(joined.speech.sampleRate, whole.sampleRate);
    QCOMPARE(joined.speech.pcm.size(), whole.pcm.size());
    if (id.startsWith(u"kal"))
        QVERIFY(joined.speech.pcm == whole.pcm);
    QCOMPARE(joined.speech.marks.size(), whole.marks.size());
    for (qsizetype i = 0; i < whole.marks.size(); ++i) {
        QCOMPARE(joined.speech.marks.at(i).sample, whole.marks.at(i).sample);
        QCOMPARE(joined.speech.marks.at(i).textPosition, whole.marks.at(i).textPosition);
        QCOMPARE(joined.speech.marks.at(i).length, whole.marks.at(i).length);
    }
}

// Without the leading pause the sound starts within a few milliseconds,
// the rest of the audio is untouched and every mark moves with it.
void TestFliteVoices::streamStartsAtFirstSound()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    for (const QString &text : {kSentence, u"Hello there."_qs, u"Fish and chips."_qs}) {
        const FliteSpeech whole = stream(*voice, text, voice->normalPitch, false).speech;
        const Joined joined = stream(*voice, text, voice->normalPitch, true);
        QVERIFY(!joined.speech.failed);
        const qint64 dropped = (whole.pcm.size() - joined.speech.pcm.size()) / 2;
        const int rate = whole.sampleRate;
        // flite's pauses before the first word last 120 to 260 ms.
        QVERIFY2(dropped > rate / 10 && dropped < rate * 3 / 10, qPrintable(QString::number(dropped)));
        const auto *s = reinterpret_cast<const qint16 *>(joined.speech.pcm.constData());
        qint64 firstAudible = 0;
        while (std::abs(s[firstAudible]) < 300)
            ++firstAudible;
        QVERIFY2(firstAudible <= rate * 10 / 1000, qPrintable(u"first sound after %1 samples"_qs.arg(firstAudible)));
        QVERIFY(std::abs(s[0]) < 300);  // faded in, no click
        const qint64 bytes = (firstAudible + 1) * 2;
        if (id.startsWith(u"kal"))
            QVERIFY(joined.speech.pcm.mid(bytes) == whole.pcm.mid(dropped * 2 + bytes));
        QCOMPARE(joined.speech.marks.size(), whole.marks.size());
        // The first word is highlighted as its sound starts.
        QVERIFY(joined.speech.marks.first().sample <= firstAudible);
        for (qsizetype i = 0; i < whole.marks.size(); ++i)
            QCOMPARE(joined.speech.marks.at(i).sample, std::max<qint64>(0, whole.marks.at(i).sample - dropped));
    }
}

void TestFliteVoices::streamStopsWhenAsked()
{
    const FliteVoice *voice = voiceById(u"slt"_qs);
    QVERIFY(voice);
    int calls = 0;
    FliteVoices::synthesizeStreaming(*voice, kSentence + kSentence, voice->normalSpeed, voice->normalPitch, true,
                                     [&](FliteSpeech &&, bool) {
                                         ++calls;
                                         return false;
                                     });
    QCOMPARE(calls, 1);
    // The voice is fit for the next piece.
    const Joined joined = stream(*voice, u"Hello there."_qs, voice->normalPitch, false);
    QCOMPARE(joined.lastCalls, 1);
    QVERIFY(!joined.speech.pcm.isEmpty());
}

// A diphone voice and a clustergen voice: flite streams each its own way.
void TestFliteVoices::fliteErrorFailsOnePiece_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("kal") << u"kal"_qs;
    QTest::newRow("slt") << u"slt"_qs;
}

// flite's error raised while the words of an utterance are read (in the
// streaming callback, or after a whole piece) fails that piece alone: the
// process goes on, nothing leaks, and the voice says the next piece whole.
void TestFliteVoices::fliteErrorFailsOnePiece()
{
    QFETCH(QString, id);
    const FliteVoice *voice = voiceById(id);
    QVERIFY(voice);
    FliteVoices::setReadingFault(failOnce);
    const auto unset = qScopeGuard([] { FliteVoices::setReadingFault(nullptr); });
    failNextReading = true;
    const FliteSpeech whole = FliteVoices::synthesize(*voice, kSentence, voice->normalSpeed, voice->normalPitch);
    QVERIFY(whole.failed);
    QVERIFY(whole.marks.isEmpty());

    failNextReading = true;
    const Joined joined = stream(*voice, kSentence, voice->normalPitch, true);
    QVERIFY(joined.speech.failed);
    QCOMPARE(joined.lastCalls, 1);
    QCOMPARE(joined.chunks, 1);
    QVERIFY(joined.speech.pcm.isEmpty());

    const Joined next = stream(*voice, kSentence, voice->normalPitch, true);
    QVERIFY(!next.speech.failed);
    QCOMPARE(next.lastCalls, 1);
    QCOMPARE(next.speech.marks.size(), 15);
}

QTEST_APPLESS_MAIN(TestFliteVoices)
#include "tst_flite_voices.moc"

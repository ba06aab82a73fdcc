#include "audio/speech_player.h"

#include <QMediaDevices>
#include <QAudioDevice>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray silence(int samples)
{
    return QByteArray(samples * 2, '\0');
}

// A quiet tone, so gain has something to act on.
QByteArray tone(int samples, int rate)
{
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    auto *out = reinterpret_cast<qint16 *>(pcm.data());
    for (int i = 0; i < samples; ++i)
        out[i] = qint16(3000 * std::sin(2 * M_PI * 440.0 * i / rate));
    return pcm;
}

struct Emission
{
    WordMark mark;
    qint64 playedAtEmission;
};

}  // namespace

class TestSpeechPlayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SpeechPlayer::setForceNullSink(true); }

    void marksFollowClock_data();
    void marksFollowClock();
    void marksWithin30Milliseconds();
    void cancelRaisesFinishedOnce();
    void beginCancelsRunningStream();
    void pauseHoldsClock();
    void needDataWhileInputOpen();
    void emptyStreamFinishes();
    void marksClampedIntoChunk();
    void dropUnplayedRemakesFromNextWord_data();
    void dropUnplayedRemakesFromNextWord();
    void dropUnplayedWithNothingToDrop();
    void realSink();
    void pauseQueuedBehindCancelOnDevice();
    void backToBackStreamsOnDevice();

private:
    static bool deviceAvailable();
};

void TestSpeechPlayer::marksFollowClock_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("chunks");
    QTest::newRow("one chunk 22050 Hz") << 22050 << 1;
    QTest::newRow("ten chunks 22050 Hz") << 22050 << 10;
    QTest::newRow("one chunk 8000 Hz") << 8000 << 1;
    QTest::newRow("four chunks 16000 Hz") << 16000 << 4;
}

// One second of audio with marks at a quarter, a half and three quarters:
// each is raised once the clock has passed it, and not long after.
void TestSpeechPlayer::marksFollowClock()
{
    QFETCH(int, rate);
    QFETCH(int, chunks);
    SpeechPlayer player;
    QVERIFY(player.usesNullSink());
    QStringList order;
    QList<Emission> emissions;
    connect(&player, &SpeechPlayer::firstSampleQueued, this, [&] { order << "queued"; });
    connect(&player, &SpeechPlayer::started, this, [&] { order << "started"; });
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) {
        order << "word";
        emissions.append({m, player.playedSamples()});
    });
    QSignalSpy finished(&player, &SpeechPlayer::finished);

    player.begin(rate);
    const int total = rate;
    const int per = total / chunks;
    QList<qint64> markSamples{rate / 4, rate / 2, 3 * rate / 4};
    for (int c = 0; c < chunks; ++c) {
        const qint64 start = qint64(c) * per;
        const int samples = c == chunks - 1 ? total - c * per : per;
        QList<WordMark> marks;
        for (int i = 0; i < markSamples.size(); ++i) {
            if (markSamples[i] >= start && markSamples[i] < start + samples)
                marks.append({markSamples[i] - start, i * 10, 4});
        }
        player.append(silence(samples), marks);
    }
    player.finishInput();

    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(order, (QStringList{"queued", "started", "word", "word", "word"}));
    for (int i = 0; i < emissions.size(); ++i) {
        const Emission &e = emissions.at(i);
        QCOMPARE(e.mark.sample, markSamples.at(i));
        QCOMPARE(e.mark.textPosition, qint64(i * 10));
        QCOMPARE(e.mark.length, qint64(4));
        QVERIFY2(e.playedAtEmission >= e.mark.sample, qPrintable(QString::number(e.playedAtEmission)));
        // Generous: a loaded machine may delay a tick, but a mark must not
        // wait for the end of the audio.
        QVERIFY2(e.playedAtEmission - e.mark.sample < rate / 5,
                 qPrintable(QStringLiteral("%1 late").arg(e.playedAtEmission - e.mark.sample)));
    }
    QVERIFY(!player.isActive());
}

// Highlighting must keep up with the sound: a word is raised within 30 ms
// of the clock reaching its first sample. Nine in ten must make it, so a
// single late tick on a loaded machine does not fail the suite.
void TestSpeechPlayer::marksWithin30Milliseconds()
{
    const int rate = 22050;
    SpeechPlayer player;
    QList<qint64> lagsMs;
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) {
        lagsMs.append((player.playedSamples() - m.sample) * 1000 / rate);
    });
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    player.begin(rate);
    QList<WordMark> marks;
    for (int i = 1; i < 30; ++i)
        marks.append({qint64(i) * rate / 10, i, 1});
    player.append(silence(3 * rate), marks);
    player.finishInput();
    QVERIFY(finished.wait(20000));
    QCOMPARE(lagsMs.size(), 29);
    std::sort(lagsMs.begin(), lagsMs.end());
    QVERIFY2(lagsMs.first() >= 0, "no mark before its sample");
    QVERIFY2(lagsMs.at(lagsMs.size() * 9 / 10) <= 30, qPrintable(QStringLiteral("90th percentile %1 ms").arg(lagsMs.at(lagsMs.size() * 9 / 10))));
}

void TestSpeechPlayer::cancelRaisesFinishedOnce()
{
    SpeechPlayer player;
    QSignalSpy started(&player, &SpeechPlayer::started);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    QSignalSpy words(&player, &SpeechPlayer::wordReached);
    player.begin(16000);
    player.append(silence(16000 * 3), {{16000 * 2, 0, 1}});
    player.finishInput();
    QVERIFY(started.wait(10000));
    player.cancel();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!player.isActive());
    QCOMPARE(player.queuedSamples(), 0);
    player.cancel();  // nothing active: no second finished
    QCOMPARE(finished.count(), 1);
    // The dropped mark never comes, even after its time has passed.
    QSignalSpy later(&player, &SpeechPlayer::finished);
    QTimer t;
    QSignalSpy tick(&t, &QTimer::timeout);
    t.start(300);
    QVERIFY(tick.wait(5000));
    QCOMPARE(words.count(), 0);
    QCOMPARE(later.count(), 0);
}

void TestSpeechPlayer::beginCancelsRunningStream()
{
    SpeechPlayer player;
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    player.begin(16000);
    player.append(silence(16000), {});
    player.begin(22050);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(player.isActive());
    QCOMPARE(player.sampleRate(), 22050);
    player.append(silence(2205), {});
    player.finishInput();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(1).at(0).toBool(), false);
}

void TestSpeechPlayer::pauseHoldsClock()
{
    const int rate = 16000;
    SpeechPlayer player;
    QList<qint64> words;
    qint64 pausedAt = -1;
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) {
        words << m.textPosition;
        if (words.size() == 1) {
            player.pause();
            pausedAt = player.playedSamples();
        }
    });
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    QSignalSpy started(&player, &SpeechPlayer::started);
    player.begin(rate);
    player.append(silence(rate), {{rate / 10, 1, 1}, {rate / 5, 2, 1}, {rate / 2, 3, 1}});
    player.finishInput();
    QTRY_VERIFY_WITH_TIMEOUT(pausedAt >= 0, 10000);
    QVERIFY(player.isPaused());

    // Longer than the rest of the audio: nothing may move while paused.
    QTimer t;
    t.setSingleShot(true);
    QSignalSpy timeout(&t, &QTimer::timeout);
    t.start(1200);
    QVERIFY(timeout.wait(10000));
    QCOMPARE(player.playedSamples(), pausedAt);
    QCOMPARE(words.size(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(player.isActive());

    player.resume();
    QVERIFY(!player.isPaused());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(words, (QList<qint64>{1, 2, 3}));
    QCOMPARE(started.count(), 1);
}

void TestSpeechPlayer::needDataWhileInputOpen()
{
    const int rate = 8000;
    SpeechPlayer player;
    QSignalSpy need(&player, &SpeechPlayer::needData);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    player.begin(rate);
    QVERIFY(need.wait(5000));  // nothing queued yet

    // Two seconds queued: the next request comes only once less than about
    // one and a half seconds are left.
    qint64 queuedAtRequest = -1;
    connect(&player, &SpeechPlayer::needData, this, [&] { queuedAtRequest = player.queuedSamples(); });
    player.append(silence(2 * rate), {});
    QVERIFY(need.wait(10000));
    QVERIFY(queuedAtRequest >= 0);
    QVERIFY2(queuedAtRequest < rate * 3 / 2, qPrintable(QString::number(queuedAtRequest)));
    QVERIFY(player.playedSamples() > 0);

    const int requests = need.count();
    player.finishInput();
    QVERIFY(finished.wait(10000));
    QCOMPARE(need.count(), requests);
}

void TestSpeechPlayer::emptyStreamFinishes()
{
    SpeechPlayer player;
    QSignalSpy started(&player, &SpeechPlayer::started);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    player.begin(22050);
    player.finishInput();
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(started.count(), 0);
}

// Marks outside their chunk are clamped into it and kept in order.
void TestSpeechPlayer::marksClampedIntoChunk()
{
    const int rate = 8000;
    SpeechPlayer player;
    QList<qint64> samples;
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) { samples << m.sample; });
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    player.begin(rate);
    player.append(silence(800), {{-50, 0, 1}, {5000, 1, 1}});
    player.append(silence(800), {{-10, 2, 1}, {400, 3, 1}, {100, 4, 1}});
    player.finishInput();
    QVERIFY(finished.wait(10000));
    QCOMPARE(samples, (QList<qint64>{0, 800, 800, 1200, 1200}));
}

void TestSpeechPlayer::dropUnplayedRemakesFromNextWord_data()
{
    QTest::addColumn<int>("dropAfterWord");  // -1: before the first sound
    QTest::addColumn<bool>("inputFinished");
    QTest::addColumn<bool>("paused");
    QTest::newRow("after the first word") << 0 << false << false;
    QTest::newRow("after the input was finished") << 1 << true << false;
    QTest::newRow("while paused") << 2 << true << true;
    QTest::newRow("before the first sound") << -1 << true << false;
}

// Six words half a second apart; at some point the audio ahead is dropped
// and made again twice as fast from the returned word on. Every word comes
// exactly once and in order, the stream neither ends nor starts again, the
// clock never runs back, and the stream ends at the remade length.
void TestSpeechPlayer::dropUnplayedRemakesFromNextWord()
{
    QFETCH(int, dropAfterWord);
    QFETCH(bool, inputFinished);
    QFETCH(bool, paused);
    const int rate = 16000;
    const int words = 6;
    SpeechPlayer player;
    QList<qint64> reached;
    qint64 lastClock = 0;
    bool clockRanBack = false;
    qint64 dropped = -2;
    qint64 cut = -1;
    qint64 endOfStream = -1;
    QSignalSpy started(&player, &SpeechPlayer::started);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    QSignalSpy need(&player, &SpeechPlayer::needData);
    qsizetype needAtDrop = -1;

    auto remake = [&] {
        needAtDrop = need.size();
        // Pausing reads the clock once more; the drop itself must not move it.
        if (paused)
            player.pause();
        const qint64 playedBefore = player.playedSamples();
        dropped = player.dropUnplayed();
        cut = player.appendedSamples();
        QVERIFY(player.isActive());
        QCOMPARE(player.playedSamples(), playedBefore);
        QVERIFY(dropped >= 0 && dropped % 10 == 0 && dropped / 10 < words);
        // The cut is where the returned word started, not yet handed on.
        QCOMPARE(cut, (dropped / 10 + 1) * rate / 2);
        QList<WordMark> marks;
        for (qint64 i = dropped / 10; i < words; ++i)
            marks.append({(i - dropped / 10) * rate / 4, i * 10, 4});
        player.append(silence(int(marks.size()) * rate / 4 + rate / 8), marks);
        endOfStream = player.appendedSamples();
        // Input is open again until said otherwise.
        QCOMPARE(finished.count(), 0);
    };
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) {
        reached << m.textPosition;
        clockRanBack = clockRanBack || player.playedSamples() < lastClock;
        lastClock = player.playedSamples();
        if (m.textPosition == dropAfterWord * 10)
            remake();
    });

    player.begin(rate);
    QList<WordMark> marks;
    for (int i = 0; i < words; ++i)
        marks.append({qint64(i + 1) * rate / 2, i * 10, 4});
    player.append(silence((words + 1) * rate / 2), marks);
    if (inputFinished)
        player.finishInput();
    if (dropAfterWord < 0)
        remake();
    QTRY_VERIFY_WITH_TIMEOUT(dropped != -2, 20000);

    if (paused) {
        // Longer than the remade rest: nothing moves until resumed.
        const qint64 at = player.playedSamples();
        const int heard = int(reached.size());
        QTimer t;
        t.setSingleShot(true);
        QSignalSpy timeout(&t, &QTimer::timeout);
        t.start(1500);
        QVERIFY(timeout.wait(10000));
        QCOMPARE(player.playedSamples(), at);
        QCOMPARE(reached.size(), heard);
        player.resume();
    }
    // Input was reopened by the drop: more is asked for, and the stream
    // lasts until closed again.
    QTRY_VERIFY_WITH_TIMEOUT(need.size() > needAtDrop, 20000);
    QCOMPARE(finished.count(), 0);
    qint64 clockAtEnd = -1;
    connect(&player, &SpeechPlayer::finished, this, [&] { clockAtEnd = lastClock; });
    player.finishInput();
    QVERIFY(finished.count() == 1 || finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(started.count(), 1);
    QCOMPARE(reached, (QList<qint64>{0, 10, 20, 30, 40, 50}));
    QVERIFY(!clockRanBack);
    QVERIFY(clockAtEnd <= endOfStream);
    // Shorter than the first making: the dropped audio was never played.
    QVERIFY(endOfStream < (words + 1) * rate / 2);
}

// With every mark already handed to the sink there is nothing to remake:
// -1, the audio and the end stay as they were. An idle player drops nothing.
void TestSpeechPlayer::dropUnplayedWithNothingToDrop()
{
    const int rate = 8000;
    SpeechPlayer player;
    QCOMPARE(player.dropUnplayed(), qint64(-1));
    QVERIFY(!player.isActive());

    QSignalSpy finished(&player, &SpeechPlayer::finished);
    QList<qint64> reached;
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) { reached << m.textPosition; });
    player.begin(rate);
    player.append(silence(rate), {{0, 7, 3}});
    player.finishInput();
    QTRY_COMPARE_WITH_TIMEOUT(reached.size(), 1, 20000);
    const qint64 appended = player.appendedSamples();
    QCOMPARE(player.dropUnplayed(), qint64(-1));
    QCOMPARE(player.appendedSamples(), appended);
    // The input stays closed: the stream ends by itself.
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(reached, QList<qint64>{7});
}

bool TestSpeechPlayer::deviceAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull() && qEnvironmentVariable("SAYORA_AUDIO") != "null";
}

void TestSpeechPlayer::realSink()
{
    if (!deviceAvailable())
        QSKIP("no audio output device");
    SpeechPlayer::setForceNullSink(false);
    const int rate = 22050;
    SpeechPlayer player;
    QSignalSpy started(&player, &SpeechPlayer::started);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    QList<qint64> played;
    connect(&player, &SpeechPlayer::wordReached, this, [&](const WordMark &m) {
        QVERIFY(player.playedSamples() >= m.sample);
        QVERIFY(player.playedSamples() - m.sample < rate / 5);
        played << m.sample;
    });
    player.setVolume(0.2);
    player.begin(rate);
    SpeechPlayer::setForceNullSink(true);
    QVERIFY(!player.usesNullSink());
    player.append(tone(rate / 2, rate), {{rate / 10, 0, 1}, {rate / 4, 1, 1}});
    player.finishInput();
    QVERIFY(finished.wait(20000));
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(played, (QList<qint64>{rate / 10, rate / 4}));
}

// A Pause the user gave just before Stop is still queued when the stop lets
// the device sink go; Qt 6.4's sink runs the event loop as it is destroyed,
// so the Pause used to run on a player half reset, without a sink.
void TestSpeechPlayer::pauseQueuedBehindCancelOnDevice()
{
    if (!deviceAvailable())
        QSKIP("no audio output device");
    const int rate = 22050;
    SpeechPlayer player;
    QSignalSpy started(&player, &SpeechPlayer::started);
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    SpeechPlayer::setForceNullSink(false);
    player.begin(rate);
    SpeechPlayer::setForceNullSink(true);
    QVERIFY(!player.usesNullSink());
    player.setVolume(0.2);
    player.append(tone(2 * rate, rate), {{rate / 2, 0, 1}});
    QVERIFY(started.wait(10000));

    QMetaObject::invokeMethod(&player, [&player] { player.pause(); }, Qt::QueuedConnection);
    player.cancel();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!player.isActive());
    QCoreApplication::processEvents();
    QVERIFY(!player.isPaused());

    // The player is as good as new: the next stream plays to its end.
    SpeechPlayer::setForceNullSink(false);
    player.begin(rate);
    SpeechPlayer::setForceNullSink(true);
    player.append(tone(rate / 4, rate), {});
    player.finishInput();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
}

// Streams that end by themselves leave their device sinks to drain while
// the next stream starts; each plays to its end (under the sanitizers, a
// sink deleted while its drain was pending would be caught here).
void TestSpeechPlayer::backToBackStreamsOnDevice()
{
    if (!deviceAvailable())
        QSKIP("no audio output device");
    const int rate = 16000;
    SpeechPlayer player;
    QSignalSpy finished(&player, &SpeechPlayer::finished);
    SpeechPlayer::setForceNullSink(false);
    for (int i = 0; i < 8; ++i) {
        player.begin(rate);
        QVERIFY(!player.usesNullSink());
        player.setVolume(0.2);
        player.append(tone(rate / 10 + i * rate / 50, rate), {{0, i, 1}});
        player.finishInput();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.last().at(0).toBool(), false);
    }
    SpeechPlayer::setForceNullSink(true);
    QCOMPARE(finished.count(), 8);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestSpeechPlayer test;
    const int code = QTest::qExec(&test, argc, argv);
    // As the reader does: Qt 6.4 may abort tearing down its PulseAudio
    // engine in exit handlers.
    SpeechPlayer::closeAllOutputs();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}
#include "tst_speech_player.moc"

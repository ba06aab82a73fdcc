// Stop latency, from the click to silence: speech of a long text is stopped
// at its fifth word event (SpVoice: Speak with SVSFPurgeBeforeSpeak and no
// text; DirectSS: AudioReset), and the time is taken from the call to
//  (a) the end event (EndStream / AudioStop),
//  (b) the player idle: not active and nothing queued (for SpVoice, whose
//      player is out of reach, isSpeaking() false stands in for it).
// Events still arriving in the 300 ms after the stop are counted as strays.
// The player does not tell how much audio the device still holds when it is
// dropped, so the sink's buffer (80 ms null, 200 ms device) is printed as the
// upper bound of the audible tail.
// Runs on the null sink, then on the default audio output when there is one;
// --null-only skips the second, --runs N sets the repetitions (default 10).
#include "bench_support.h"
#include "audio/speech_player.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kStopAtWord = 5;
constexpr int kStrayWindowMs = 300;
constexpr int kWaitMs = 30000;

QString longText()
{
    const QString paragraph = QStringLiteral(
        "The old lighthouse keeper climbed the narrow stairs every evening at dusk. He trimmed the wick, "
        "polished the great lens and watched the ships pass far out at sea. ");
    return paragraph.repeated(20);
}

struct Result
{
    QString label;
    QList<double> endMs;
    QList<double> idleMs;
    int strays = 0;
    int failed = 0;
};

// What a bench needs from one engine, so both run through the same steps.
struct Engine
{
    std::function<void()> speak;
    std::function<void()> stop;
    std::function<bool()> idle;
};

// Hooks that the engine's signals call.
struct Watch
{
    QElapsedTimer clock;
    QEventLoop *loop = nullptr;
    int words = 0;
    bool stopped = false;
    int strays = 0;
    qint64 endNs = -1;

    void word()
    {
        if (stopped) {
            ++strays;
            return;
        }
        if (++words == kStopAtWord)
            loop->quit();
    }
    void started()
    {
        if (stopped)
            ++strays;
    }
    void ended()
    {
        if (stopped && endNs < 0) {
            endNs = clock.nsecsElapsed();
            loop->quit();
        }
    }
};

void runEventsFor(int ms)
{
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

void measure(Result &result, Watch &watch, const Engine &engine, int runs)
{
    for (int run = 0; run < runs; ++run) {
        QEventLoop loop;
        watch.loop = &loop;
        watch.words = 0;
        watch.stopped = false;
        watch.endNs = -1;
        watch.strays = 0;

        engine.speak();
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(kWaitMs);
        loop.exec();
        if (watch.words < kStopAtWord) {
            ++result.failed;
            engine.stop();
            runEventsFor(kStrayWindowMs);
            continue;
        }

        watch.clock.start();
        watch.stopped = true;
        engine.stop();
        const qint64 returnedNs = watch.clock.nsecsElapsed();
        qint64 idleNs = engine.idle() ? returnedNs : -1;

        // Whatever did not happen during the call is waited for.
        if (watch.endNs < 0) {
            timeout.start(kWaitMs);
            loop.exec();
        }
        QTimer poll;
        poll.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (idleNs < 0 && engine.idle()) {
                idleNs = watch.clock.nsecsElapsed();
                loop.quit();
            }
        });
        if (idleNs < 0) {
            poll.start(1);
            timeout.start(kWaitMs);
            loop.exec();
            poll.stop();
        }
        runEventsFor(kStrayWindowMs);

        if (watch.endNs < 0 || idleNs < 0) {
            ++result.failed;
            continue;
        }
        result.endMs << watch.endNs / 1e6;
        result.idleMs << idleNs / 1e6;
        result.strays += watch.strays;
    }
}

Result measureSapi5(int runs)
{
    Result result;
    SpVoice voice;
    if (!voice.isValid()) {
        result.label = QStringLiteral("SAPI 5 (espeak-ng unavailable)");
        return result;
    }
    for (const SpObjectToken &token : voice.GetVoices()) {
        if (token.Id() == QLatin1String("en-us"))
            voice.setVoice(token);
    }
    result.label = QStringLiteral("SAPI 5 %1").arg(voice.Voice().Id());
    SpeechPlayer *player = voice.findChild<SpeechPlayer *>();
    if (!player)
        result.label += QStringLiteral(" *");

    Watch watch;
    QObject::connect(&voice, &SpVoice::Word, &voice, [&] { watch.word(); });
    QObject::connect(&voice, &SpVoice::StartStream, &voice, [&] { watch.started(); });
    QObject::connect(&voice, &SpVoice::EndStream, &voice, [&] { watch.ended(); });
    const QString text = longText();
    Engine engine{
        [&] { voice.Speak(text, SpVoice::SVSFlagsAsync); },
        [&] { voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak); },
        [&] { return player ? !player->isActive() && player->queuedSamples() == 0 : !voice.isSpeaking(); },
    };
    measure(result, watch, engine, runs);
    return result;
}

Result measureSapi4(int index, int runs)
{
    Result result;
    DirectSS dss;
    if (index > dss.CountEngines()) {
        result.label = QStringLiteral("SAPI 4 engine %1 (not installed)").arg(index);
        return result;
    }
    dss.setCurrentMode(index);
    result.label = QStringLiteral("SAPI 4 %1: %2").arg(index).arg(dss.ModeName(index));
    SpeechPlayer *player = dss.findChild<SpeechPlayer *>();
    if (!player) {
        result.label += QStringLiteral(" (no player found)");
        return result;
    }

    Watch watch;
    QObject::connect(&dss, &DirectSS::WordPosition, &dss, [&] { watch.word(); });
    QObject::connect(&dss, &DirectSS::AudioStart, &dss, [&] { watch.started(); });
    QObject::connect(&dss, &DirectSS::AudioStop, &dss, [&] { watch.ended(); });
    const QString text = longText();
    Engine engine{
        [&] { dss.Speak(text); },
        [&] { dss.AudioReset(); },
        [&] { return !player->isActive() && player->queuedSamples() == 0; },
    };
    measure(result, watch, engine, runs);
    return result;
}

QString stats(QList<double> v)
{
    if (v.isEmpty())
        return QStringLiteral("%1 %2").arg(QStringLiteral("-"), 10).arg(QStringLiteral("-"), 10);
    std::sort(v.begin(), v.end());
    const double median = v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
    return QStringLiteral("%1 %2").arg(median, 10, 'f', 3).arg(v.last(), 10, 'f', 3);
}

void printTable(const QString &sink, int tailMs, const QList<Result> &rows)
{
    std::printf("\n%s sink; audible tail at most one sink buffer: %d ms\n", qPrintable(sink), tailMs);
    std::printf("%-52s %4s %10s %10s %10s %10s %6s\n", "engine", "runs", "end med", "end max", "idle med",
                "idle max", "strays");
    for (const Result &r : rows) {
        std::printf("%-52s %4lld %s %s %6d%s\n", qPrintable(r.label.left(52)), static_cast<long long>(r.endMs.size()),
                    qPrintable(stats(r.endMs)), qPrintable(stats(r.idleMs)), r.strays,
                    r.failed ? qPrintable(QStringLiteral("  (%1 failed)").arg(r.failed)) : "");
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    // Line by line, so a table printed before a crash in an audio library survives.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool nullOnly = args.contains(QStringLiteral("--null-only"));
    int runs = 10;
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0 && runsAt + 1 < args.size())
        runs = std::max(1, args.at(runsAt + 1).toInt());

    bool sapi5Hidden = false;
    QList<bool> sinks{true};
    const bool haveDevice = !QMediaDevices::defaultAudioOutput().isNull();
    if (haveDevice && !nullOnly)
        sinks << false;

    for (bool useNull : sinks) {
        // Read when each stream opens its sink, so it applies to every engine below.
        SpeechPlayer::setForceNullSink(useNull);
        QList<Result> rows;
        rows << measureSapi5(runs) << measureSapi4(1, runs) << measureSapi4(5, runs);
        sapi5Hidden = sapi5Hidden || rows.first().label.endsWith(QLatin1String(" *"));
        const QString name = useNull
            ? QStringLiteral("Null")
            : QStringLiteral("Device (%1)").arg(QMediaDevices::defaultAudioOutput().description());
        printTable(name, SpeechPlayer::sinkBufferMs(useNull), rows);
    }
    std::printf("\nms from the stop call; end = EndStream / AudioStop, idle = player inactive with nothing queued; "
                "strays = events in the %d ms after the stop\n",
                kStrayWindowMs);
    if (!haveDevice)
        std::printf("no audio output device (no sound server reachable): device sink not measured\n");
    if (sapi5Hidden)
        std::printf("* SpVoice keeps its SpeechPlayer as a plain member, not a QObject child: idle is "
                "SpVoice::isSpeaking() false\n");
    bench::finish();
}

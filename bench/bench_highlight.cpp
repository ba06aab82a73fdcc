// Highlight lag: how late each word event comes after the sound of its word.
//
// For every word of a ~60-word paragraph, on espeak-ng (SpVoice, en-us) and
// flite (DirectSS, kal and slt):
//  - clock lag: (play clock when the event is delivered - the word's sample)
//    / sample rate; what the player's poll and the event loop add;
//  - wall lag: time of the event - (time the stream started playing + the
//    word's sample / sample rate); adds any stall or drift of the sink's
//    clock against real time;
//  - start delay: from the first sample handed to the sink to the stream's
//    start (the device's own start-up, not part of the highlight lag).
// Runs on the null sink, then on the default audio output when there is one
// (e.g. a PulseAudio server); --null-only skips the second, --verbose also
// prints every word's wall lag.
#include "audio/speech_player.h"
#include "bench_support.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSpeechTimeoutMs = 120000;

const QString kParagraph = QStringLiteral(
    "The old lighthouse keeper climbed the narrow stairs every evening at dusk. He trimmed the wick, "
    "polished the great lens and watched the ships pass far out at sea. On stormy nights the waves "
    "rose higher than the rocks, and the wind howled around the tower. Still the light burned steadily, "
    "guiding sailors safely home to the quiet harbour below.");

struct Lags
{
    QString label;
    QList<double> clockMs;  // empty when the player could not be reached
    QList<double> wallMs;
    QList<double> startDelayMs;
    double playedAtStartMs = -1;  // play clock when the stream started
    int events = 0;
    bool finished = false;
};

// Records both lags for one word event. The origin is taken anew for each
// stream, because samples count from the start of each stream.
struct Probe
{
    QElapsedTimer clock;
    qint64 queuedNs = -1;
    qint64 originNs = -1;
    Lags *lags = nullptr;

    void firstSampleQueued() { queuedNs = clock.nsecsElapsed(); }

    // The moment of sample 0: when the stream started playing, less what the
    // play clock had already counted (unknown without the player: up to one
    // poll of the player, 5 ms, early).
    void started(const SpeechPlayer *player)
    {
        originNs = clock.nsecsElapsed();
        if (player && player->sampleRate() > 0) {
            lags->playedAtStartMs = player->playedSamples() * 1000.0 / player->sampleRate();
            originNs -= player->playedSamples() * 1000000000 / player->sampleRate();
        }
        if (queuedNs >= 0)
            lags->startDelayMs << (clock.nsecsElapsed() - queuedNs) / 1e6;
    }

    void word(qint64 sample, int rate, const SpeechPlayer *player)
    {
        const qint64 now = clock.nsecsElapsed();
        ++lags->events;
        if (originNs >= 0 && rate > 0)
            lags->wallMs << (now - originNs) / 1e6 - sample * 1000.0 / rate;
        if (player && player->sampleRate() > 0)
            lags->clockMs << (player->playedSamples() - sample) * 1000.0 / player->sampleRate();
    }
};

void waitFor(QEventLoop &loop)
{
    QTimer::singleShot(kSpeechTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

Lags measureSapi5(const QString &text)
{
    Lags lags;
    SpVoice voice;
    if (!voice.isValid()) {
        lags.label = QStringLiteral("SAPI 5 (espeak-ng unavailable)");
        return lags;
    }
    for (const SpObjectToken &token : voice.GetVoices()) {
        if (token.Id() == QLatin1String("en-us"))
            voice.setVoice(token);
    }
    lags.label = QStringLiteral("SAPI 5 %1").arg(voice.Voice().Id());
    // Only reachable if the voice owns its player as a QObject child.
    SpeechPlayer *player = voice.findChild<SpeechPlayer *>();

    Probe probe;
    probe.lags = &lags;
    QEventLoop loop;
    QObject::connect(&voice, &SpVoice::firstSampleQueued, &loop, [&] { probe.firstSampleQueued(); });
    QObject::connect(&voice, &SpVoice::StartStream, &loop, [&] { probe.started(player); });
    // Word comes straight from the player's wordReached, so the play clock
    // read here is the one the player raised the mark at.
    QObject::connect(&voice, &SpVoice::Word, &loop, [&](long, const QVariant &position, qint64, qint64) {
        probe.word(position.toLongLong() / 2, voice.sampleRate(), player);
    });
    QObject::connect(&voice, &SpVoice::EndStream, &loop, [&] {
        lags.finished = true;
        loop.quit();
    });
    probe.clock.start();
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    waitFor(loop);
    if (!player)
        lags.label += QStringLiteral(" *");
    return lags;
}

Lags measureSapi4(int index, const QString &text)
{
    Lags lags;
    DirectSS dss;
    if (index > dss.CountEngines()) {
        lags.label = QStringLiteral("SAPI 4 engine %1 (not installed)").arg(index);
        return lags;
    }
    dss.setCurrentMode(index);
    lags.label = QStringLiteral("SAPI 4 %1: %2").arg(index).arg(dss.ModeName(index));
    SpeechPlayer *player = dss.findChild<SpeechPlayer *>();
    if (!player) {
        lags.label += QStringLiteral(" (no player found)");
        return lags;
    }

    Probe probe;
    probe.lags = &lags;
    QEventLoop loop;
    int wordPositions = 0;
    QObject::connect(player, &SpeechPlayer::firstSampleQueued, &loop, [&] { probe.firstSampleQueued(); });
    QObject::connect(player, &SpeechPlayer::started, &loop, [&] { probe.started(player); });
    // WordPosition carries no sample: the mark comes from the player itself.
    QObject::connect(player, &SpeechPlayer::wordReached, &loop,
                     [&](const WordMark &mark) { probe.word(mark.sample, player->sampleRate(), player); });
    QObject::connect(&dss, &DirectSS::WordPosition, &loop, [&] { ++wordPositions; });
    QObject::connect(&dss, &DirectSS::AudioStop, &loop, [&] {
        lags.finished = true;
        loop.quit();
    });
    probe.clock.start();
    dss.Speak(text);
    waitFor(loop);
    if (wordPositions != lags.events)
        lags.label += QStringLiteral(" (%1 WordPosition for %2 marks)").arg(wordPositions).arg(lags.events);
    return lags;
}

void printTable(const QString &sink, const QList<Lags> &rows, int words, bool verbose)
{
    std::printf("\n%s sink, %d words in the paragraph\n", qPrintable(sink), words);
    if (verbose) {
        for (const Lags &l : rows) {
            if (l.playedAtStartMs >= 0)
                std::printf("%s: play clock at start %.1f ms\n", qPrintable(l.label), l.playedAtStartMs);
            std::printf("%s wall lag per word:", qPrintable(l.label));
            for (double ms : l.wallMs)
                std::printf(" %.0f", ms);
            std::printf("\n");
        }
    }
    std::printf("%-50s %6s %9s %9s %9s %9s %9s %9s\n", "engine", "events", "clock med", "clock p99", "wall med",
                "wall p99", "wall max", "start");
    for (const Lags &l : rows) {
        const auto cell = [](const QList<double> &v, double p) {
            return v.isEmpty() ? QStringLiteral("n/a") : QString::number(bench::percentile(v, p), 'f', 1);
        };
        std::printf("%-50s %6d %9s %9s %9s %9s %9s %9s%s\n", qPrintable(l.label.left(50)), l.events,
                    qPrintable(cell(l.clockMs, 50)), qPrintable(cell(l.clockMs, 99)), qPrintable(cell(l.wallMs, 50)),
                    qPrintable(cell(l.wallMs, 99)), qPrintable(cell(l.wallMs, 100)),
                    qPrintable(cell(l.startDelayMs, 50)),
                    l.finished ? "" : "  (no end event: timed out)");
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    // Line by line, so a table printed before a crash in an audio library survives.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QCoreApplication app(argc, argv);
    const bool nullOnly = app.arguments().contains(QStringLiteral("--null-only"));
    const bool verbose = app.arguments().contains(QStringLiteral("--verbose"));
    const int words = int(kParagraph.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());

    QList<bool> sinks{true};
    const bool haveDevice = !QMediaDevices::defaultAudioOutput().isNull();
    if (haveDevice && !nullOnly)
        sinks << false;

    bool sapi5Hidden = false;
    for (bool useNull : sinks) {
        // Read when each stream opens its sink, so it applies to every engine below.
        SpeechPlayer::setForceNullSink(useNull);
        QList<Lags> rows;
        rows << measureSapi5(kParagraph);
        sapi5Hidden = sapi5Hidden || rows.last().clockMs.isEmpty();
        rows << measureSapi4(1, kParagraph);
        rows << measureSapi4(5, kParagraph);
        const QString name = useNull
            ? QStringLiteral("Null")
            : QStringLiteral("Device (%1)").arg(QMediaDevices::defaultAudioOutput().description());
        printTable(name, rows, words, verbose);
    }
    std::printf("\nms; clock = play clock at delivery - word's sample; wall = delivery time - (stream start + "
                "word's sample); start = first sample to sink -> stream start\n");
    if (!haveDevice)
        std::printf("no audio output device (no sound server reachable): device sink not measured\n");
    if (sapi5Hidden)
        std::printf("* SpVoice keeps its SpeechPlayer as a plain member, not a QObject child: findChild cannot "
                    "reach it, so only the wall lag is measured for SAPI 5\n");
    bench::finish();
}

// Time from DirectSS::Speak to the first sample handed to the audio sink and
// to AudioStart, for a short and a very long text, on every flite voice:
// first on the null sink (real-time pace), then on the default audio output
// when there is one (--null-only skips it, --device measures only that).
#include "audio/speech_player.h"
#include "bench_support.h"
#include "sapi4/direct_ss.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

#include <cstdio>

namespace {

int engineNamed(const DirectSS &dss, const QString &fragment)
{
    for (int i = 1; i <= dss.CountEngines(); ++i) {
        if (dss.ModeName(i).contains(fragment))
            return i;
    }
    return 0;
}

void measure(const QString &label, const QString &engine, qsizetype length, int runs)
{
    const QString text = bench::textOfLength(length);
    double toQueued = 0, toStart = 0, speakCall = 0;
    for (int run = 0; run < runs; ++run) {
        DirectSS dss;
        const int index = engineNamed(dss, engine);
        if (index == 0) {
            std::printf("%-5s not installed\n", qPrintable(label));
            return;
        }
        dss.setCurrentMode(index);
        auto *player = dss.findChild<SpeechPlayer *>();

        QEventLoop loop;
        QElapsedTimer clock;
        qint64 queuedAt = -1, startAt = -1;
        if (player)
            QObject::connect(player, &SpeechPlayer::firstSampleQueued, &loop,
                             [&] { queuedAt = clock.nsecsElapsed(); });
        QObject::connect(&dss, &DirectSS::AudioStart, &loop, [&](int, int) {
            startAt = clock.nsecsElapsed();
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);

        clock.start();
        dss.Speak(text);
        speakCall += clock.nsecsElapsed() / 1e6;
        loop.exec();
        dss.AudioReset();
        toQueued += queuedAt / 1e6;
        toStart += startAt / 1e6;
    }
    std::printf("%-5s %8lld chars: Speak returns %7.3f ms, first sample to sink %7.1f ms, AudioStart %7.1f ms"
                " (mean of %d); peak RSS %.0f MB\n",
                qPrintable(label), static_cast<long long>(length), speakCall / runs, toQueued / runs,
                toStart / runs, runs, bench::statusMegabytes("VmHWM:"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QList<bool> sinks;  // true: the null sink
    if (!args.contains(u"--device"_qs))
        sinks << true;
    if (!args.contains(u"--null-only"_qs) && !QMediaDevices::defaultAudioOutput().isNull())
        sinks << false;
    const int runs = 5;
    const QList<QPair<QString, QString>> engines = {{u"kal"_qs, u"8 kHz"_qs}, {u"kal16"_qs, u"16 kHz"_qs},
                                                    {u"awb"_qs, u"AWB"_qs}, {u"rms"_qs, u"RMS"_qs},
                                                    {u"slt"_qs, u"SLT"_qs}};
    for (bool nullSink : sinks) {
        SpeechPlayer::setForceNullSink(nullSink);
        std::printf("%s\n", nullSink ? "null sink" : "audio device");
        for (const auto &[label, fragment] : engines) {
            for (qsizetype length : {qsizetype(100), qsizetype(1000000)})
                measure(label, fragment, length, runs);
        }
    }
    bench::finish();
}

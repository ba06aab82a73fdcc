// Time from SpVoice::Speak to the first sample handed to the audio sink and
// to StartStream (first sample played), for a short and a very long text,
// on the null sink; and the memory a long speech holds while playing.
#include "audio/speech_player.h"
#include "bench_support.h"
#include "sapi5/sp_voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Timing
{
    double queuedMs = -1;
    double startMs = -1;
};

Timing measure(SpVoice &voice, const QString &text)
{
    Timing t;
    QElapsedTimer clock;
    QEventLoop loop;
    auto c1 = QObject::connect(&voice, &SpVoice::firstSampleQueued, [&] { t.queuedMs = clock.nsecsElapsed() / 1e6; });
    auto c2 = QObject::connect(&voice, &SpVoice::StartStream, [&] {
        t.startMs = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    clock.start();
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    loop.exec();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
    return t;
}

}  // namespace

int main(int argc, char **argv)
{
    SpeechPlayer::setForceNullSink(true);
    QCoreApplication app(argc, argv);
    SpVoice voice;
    if (!voice.isValid()) {
        std::fprintf(stderr, "espeak-ng unavailable: %s\n", qPrintable(voice.errorString()));
        return 1;
    }
    measure(voice, bench::textOfLength(100));  // warm up: voice data, caches

    const int runs = 7;
    for (qsizetype length : {qsizetype(100), qsizetype(1000000)}) {
        const QString text = bench::textOfLength(length);
        QList<double> queued, started;
        for (int i = 0; i < runs; ++i) {
            const Timing t = measure(voice, text);
            queued << t.queuedMs;
            started << t.startMs;
        }
        std::printf("%8lld characters: Speak -> first sample to sink %6.2f ms, -> StartStream %6.2f ms "
                    "(median of %d; min %.2f / %.2f)\n",
                    static_cast<long long>(length), bench::median(queued), bench::median(started), runs,
                    *std::min_element(queued.begin(), queued.end()),
                    *std::min_element(started.begin(), started.end()));
    }

    // Memory while a 1,000,000-character text plays for three seconds: the
    // audio made ahead must stay small.
    const QString text = bench::textOfLength(1000000);
    const double before = bench::statusMegabytes("VmRSS:");
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    const double during = bench::statusMegabytes("VmRSS:");
    voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
    std::printf("resident memory while speaking 1,000,000 characters: %.1f MB before, %.1f MB after 3 s (+%.1f MB)\n",
                before, during, during - before);
    bench::finish();
}

// Time from SpVoice::Speak to the first sample handed to the audio sink and
// to StartStream (first sample played), for a short and a very long text,
// on the null sink; and the memory a long speech holds while playing.
#include "audio/speech_player.h"
#include "sapi5/sp_voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

QString makeText(qsizetype length)
{
    const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank. ");
    QString text;
    text.reserve(length + sentence.size());
    while (text.size() < length)
        text += sentence;
    text.truncate(length);
    return text;
}

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

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

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
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
    measure(voice, makeText(100));  // warm up: voice data, caches

    const int runs = 7;
    for (qsizetype length : {qsizetype(100), qsizetype(1000000)}) {
        const QString text = makeText(length);
        QList<double> queued, started;
        for (int i = 0; i < runs; ++i) {
            const Timing t = measure(voice, text);
            queued << t.queuedMs;
            started << t.startMs;
        }
        std::printf("%8lld characters: Speak -> first sample to sink %6.2f ms, -> StartStream %6.2f ms "
                    "(median of %d; min %.2f / %.2f)\n",
                    static_cast<long long>(length), median(queued), median(started), runs,
                    *std::min_element(queued.begin(), queued.end()),
                    *std::min_element(started.begin(), started.end()));
    }

    // Memory while a 1,000,000-character text plays for three seconds: the
    // audio made ahead must stay small.
    const QString text = makeText(1000000);
    const long before = residentKiB();
    voice.Speak(text, SpVoice::SVSFlagsAsync);
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    const long during = residentKiB();
    voice.Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
    std::printf("resident memory while speaking 1,000,000 characters: %ld KiB before, %ld KiB after 3 s (+%ld KiB)\n",
                before, during, during - before);
    return 0;
}

// A long reading: a 500-page book read aloud in the window without a stop,
// for a flite voice (the SAPI 4 path) and an espeak-ng voice (the SAPI 5
// path), each in a process of its own and both at the same time (reading is
// real time and mostly idle). Every few seconds each process samples its own
// resident memory, open files and threads; after the reading it prints their
// growth from minute 5 to the end, and the highlight lag of the words of the
// last minute, measured as bench_highlight measures it.
//   ./bench_soak [--minutes N] [--interval S] [--engine flite|espeak]
// Without --engine the bench runs itself once per engine. Offscreen, null
// audio sink, a private XDG_CONFIG_HOME. A reading that reaches the end of
// the book starts again from its beginning.
#include "bench_support.h"

#include "app/sayora_main.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kGoalRssGrowthMb = 10;
constexpr double kGoalLagMs = 20;
constexpr qint64 kSettledMs = 5 * 60 * 1000;  // growth counts from here
constexpr qint64 kLagWindowMs = 60 * 1000;    // the words whose lag is reported

int entriesIn(const char *folder)
{
    return int(QDir(QString::fromLatin1(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

struct Sample
{
    qint64 ms = 0;
    double rssMb = 0;
    int fds = 0;
    int threads = 0;
    qint64 words = 0;
};

Sample sampleNow(qint64 ms, qint64 words)
{
    return {ms, bench::statusMegabytes("VmRSS:"), entriesIn("/proc/self/fd"), entriesIn("/proc/self/task"), words};
}

// The two lags of bench_highlight, for each word the player raises: clock
// lag = play clock at delivery - the word's sample; wall lag = delivery time
// - (the stream's start + the word's sample). Only the words of the last
// minute are kept.
struct LagProbe
{
    const SpeechPlayer *player = nullptr;
    QElapsedTimer *clock = nullptr;
    qint64 originNs = -1;
    qint64 keepFromMs = 0;
    QList<double> clockMs;
    QList<double> wallMs;

    void started()
    {
        originNs = clock->nsecsElapsed();
        if (player->sampleRate() > 0)
            originNs -= player->playedSamples() * 1000000000 / player->sampleRate();
    }

    void word(const WordMark &mark)
    {
        const qint64 now = clock->nsecsElapsed();
        const int rate = player->sampleRate();
        if (now / 1000000 < keepFromMs || rate <= 0)
            return;
        clockMs << (player->playedSamples() - mark.sample) * 1000.0 / rate;
        if (originNs >= 0)
            wallMs << (now - originNs) / 1e6 - mark.sample * 1000.0 / rate;
    }
};

QString cell(const QList<double> &values, double p)
{
    return values.isEmpty() ? QStringLiteral("n/a") : QString::number(bench::percentile(values, p), 'f', 1);
}

void report(const QString &label, const QList<Sample> &samples, const LagProbe &lags, int restarts)
{
    const Sample &last = samples.last();
    // The first sample at or after minute 5 is the base of the growth.
    const auto settled = std::find_if(samples.cbegin(), samples.cend(), [](const Sample &s) { return s.ms >= kSettledMs; });
    std::printf("%s: %.1f min read, %lld words, %d restarts at the book's end\n", qPrintable(label), last.ms / 60000.0,
                static_cast<long long>(last.words), restarts);
    if (settled == samples.cend()) {
        std::printf("%s: shorter than 5 minutes, no growth figures\n", qPrintable(label));
    } else {
        double rssMax = 0;
        int fdsMin = settled->fds, fdsMax = settled->fds, threadsMin = settled->threads, threadsMax = settled->threads;
        for (auto s = settled; s != samples.cend(); ++s) {
            rssMax = std::max(rssMax, s->rssMb);
            fdsMin = std::min(fdsMin, s->fds);
            fdsMax = std::max(fdsMax, s->fds);
            threadsMin = std::min(threadsMin, s->threads);
            threadsMax = std::max(threadsMax, s->threads);
        }
        const double growth = last.rssMb - settled->rssMb;
        std::printf("%s: RSS at %.1f min %.1f MB, at the end %.1f MB, growth %+.1f MB, peak %.1f MB (goal: under %d MB)%s\n",
                    qPrintable(label), settled->ms / 60000.0, settled->rssMb, last.rssMb, growth, rssMax,
                    kGoalRssGrowthMb, growth < kGoalRssGrowthMb ? "" : "  ** over the goal");
        std::printf("%s: open files %d -> %d (range %d-%d), threads %d -> %d (range %d-%d)%s\n", qPrintable(label),
                    settled->fds, last.fds, fdsMin, fdsMax, settled->threads, last.threads, threadsMin, threadsMax,
                    last.fds > settled->fds || last.threads > settled->threads ? "  ** grew" : "");
    }
    std::printf("%s: highlight lag over the last minute, %lld words: clock median %s p99 %s max %s ms; "
                "wall median %s p99 %s max %s ms (goal: within %.0f ms)\n",
                qPrintable(label), static_cast<long long>(lags.clockMs.size()), qPrintable(cell(lags.clockMs, 50)),
                qPrintable(cell(lags.clockMs, 99)), qPrintable(cell(lags.clockMs, 100)), qPrintable(cell(lags.wallMs, 50)),
                qPrintable(cell(lags.wallMs, 99)), qPrintable(cell(lags.wallMs, 100)), kGoalLagMs);
}

// One engine in this process: the window reads the book until the time is up.
int soak(QApplication &app, const QString &engine, qint64 durationMs, int intervalS)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book.pdf"));
    if (!bench::writePdfBook(book, 500)) {
        std::printf("%s: could not make the book\n", qPrintable(engine));
        return 1;
    }
    SayoraMain window;
    window.load(QString());
    if (!bench::showActive(window)) {
        std::printf("%s: the window did not become active\n", qPrintable(engine));
        return 1;
    }
    SpeechController *speech = window.speech();
    QPlainTextEdit *box = window.findChild<QPlainTextEdit *>(QStringLiteral("MainTxtBox"));
    if (!window.openDocument(book)) {
        std::printf("%s: the book could not be opened\n", qPrintable(engine));
        return 1;
    }
    box->setFocus();
    const bool flite = engine == QLatin1String("flite");
    QObject *voice = nullptr;
    QString label;
    if (flite) {
        if (speech->sapi4Count() < 1) {
            std::printf("flite: no flite voice\n");
            return 1;
        }
        speech->setVoiceListPosition(0);
        voice = speech->directSS();
        label = QStringLiteral("flite %1").arg(speech->currentVoiceName());
    } else {
        if (!speech->newsVoice()) {
            std::printf("espeak: no espeak-ng voice\n");
            return 1;
        }
        const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
        for (int i = 0; i < tokens.size(); ++i) {
            if (tokens.at(i).Id() == QLatin1String("en-us"))
                speech->setVoiceListPosition(speech->sapi4Count() + i);
        }
        voice = speech->newsVoice();
        label = QStringLiteral("espeak-ng %1").arg(speech->currentVoiceName());
    }
    const SpeechPlayer *player = voice->findChild<SpeechPlayer *>();
    if (!player) {
        std::printf("%s: the voice's player cannot be reached\n", qPrintable(label));
        return 1;
    }
    std::printf("%s: the book holds %lld characters; reading for %.1f min, a sample every %d s\n", qPrintable(label),
                static_cast<long long>(box->toPlainText().size()), durationMs / 60000.0, intervalS);

    QElapsedTimer clock;
    LagProbe lags{player, &clock, -1, std::max<qint64>(0, durationMs - kLagWindowMs), {}, {}};
    qint64 words = 0;
    QObject::connect(player, &SpeechPlayer::started, &app, [&] { lags.started(); });
    QObject::connect(player, &SpeechPlayer::wordReached, &app, [&](const WordMark &mark) {
        ++words;
        lags.word(mark);
    });

    // A user's F5 from the start of the book.
    const auto readFromStart = [&] {
        speech->readFrom(0);
        QTest::keyClick(box, Qt::Key_F5);
    };
    int restarts = 0;
    bool timeUp = false;
    QObject::connect(speech, &SpeechController::readingStopped, &app, [&] {
        if (timeUp)
            return;
        ++restarts;
        QTimer::singleShot(0, &app, readFromStart);
    });

    QList<Sample> samples;
    QTimer sampler;
    sampler.setInterval(intervalS * 1000);
    QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
        samples << sampleNow(clock.elapsed(), words);
        const Sample &s = samples.last();
        if (samples.size() == 2 || s.ms / 60000 != samples.at(samples.size() - 2).ms / 60000)
            std::printf("%s: %5.1f min  RSS %6.1f MB  fds %3d  threads %2d  words %lld\n", qPrintable(label),
                        s.ms / 60000.0, s.rssMb, s.fds, s.threads, static_cast<long long>(s.words));
        if (s.ms >= durationMs) {
            timeUp = true;
            app.quit();
        }
    });

    clock.start();
    samples << sampleNow(0, 0);
    sampler.start();
    readFromStart();
    app.exec();
    sampler.stop();
    report(label, samples, lags, restarts);
    QTest::keyClick(box, Qt::Key_F7);
    window.close();
    return 0;
}

// Both engines at once, each in a child of its own; their lines are passed
// on as they come.
int both(const QStringList &passOn)
{
    QList<QProcess *> children;
    for (const char *engine : {"flite", "espeak"}) {
        auto *child = new QProcess;
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->start(QCoreApplication::applicationFilePath(),
                     QStringList(passOn) << QStringLiteral("--engine") << QString::fromLatin1(engine));
        children << child;
    }
    int code = 0;
    for (QProcess *child : children) {
        child->waitForFinished(-1);
        code = std::max(code, child->exitCode());
        delete child;
    }
    return code;
}

}  // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SpeechPlayer::setForceNullSink(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    const QStringList args = app.arguments();
    const auto option = [&args](const char *name) {
        const qsizetype i = args.indexOf(QString::fromLatin1(name));
        return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
    };
    const double minutes = option("--minutes").isEmpty() ? 30 : option("--minutes").toDouble();
    const int interval = option("--interval").isEmpty() ? 5 : std::max(1, option("--interval").toInt());
    const QString engine = option("--engine");
    if (engine.isEmpty()) {
        std::printf("Soak: a 500-page book read aloud for %.1f min on each engine generation\n", minutes);
        bench::finish(both({QStringLiteral("--minutes"), QString::number(minutes), QStringLiteral("--interval"),
                            QString::number(interval)}));
    }
    if (engine != QLatin1String("flite") && engine != QLatin1String("espeak")) {
        std::printf("--engine takes flite or espeak\n");
        bench::finish(1);
    }
    bench::finish(soak(app, engine, qint64(minutes * 60000), interval));
}

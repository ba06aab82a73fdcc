#include "bare_tools.h"

#include "audio/wave_file.h"
#include "text/text_chunker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <espeak-ng/speak_lib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_kal16(const char *voxdir);
}

extern char **environ;

namespace bench {

namespace {

QByteArray espeakPcm;
int collect(short *wav, int samples, espeak_EVENT *)
{
    if (wav)
        espeakPcm.append(reinterpret_cast<const char *>(wav), qsizetype(samples) * 2);
    return 0;
}

// The engine library alone, text file in, WAV file out.
int bare(const QString &engine, const QString &in, const QString &out)
{
    QFile textFile(in);
    textFile.open(QIODevice::ReadOnly);
    const QByteArray text = textFile.readAll();
    QByteArray pcm;
    int rate = 16000;
    if (engine == QLatin1String("espeak")) {
        rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
        espeak_SetVoiceByName("en-us");
        espeak_SetSynthCallback(collect);
        espeak_Synth(text.constData(), size_t(text.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        espeak_Synchronize();
        pcm = espeakPcm;
    } else {
        flite_init();
        cst_voice *voice = register_cmu_us_kal16(nullptr);
        const QString all = QString::fromUtf8(text);
        TextChunker::Piece piece;
        // Sentence by sentence: one utterance of the whole text takes gigabytes.
        for (qsizetype at = 0; TextChunker::next(all, at, 400, &piece); at = piece.end) {
            cst_wave *wave = flite_text_to_wave(all.mid(piece.start, piece.end - piece.start).toLatin1().constData(), voice);
            pcm.append(reinterpret_cast<const char *>(wave->samples), qsizetype(wave->num_samples) * 2);
            rate = wave->sample_rate;
            delete_wave(wave);
        }
    }
    QFile wav(out);
    wav.open(QIODevice::WriteOnly);
    wav.write(WaveFile::header(rate, pcm.size()) + pcm);
    return 0;
}

}  // namespace

bool runAsBareChild(int argc, char *argv[], int *exitCode)
{
    if (argc != 5 || qstrcmp(argv[1], "--bare") != 0)
        return false;
    QCoreApplication app(argc, argv);
    *exitCode = bare(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    return true;
}

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const std::function<void(qint64 pid, double ms)> &whileRunning)
{
    QList<QByteArray> words{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        words << QFile::encodeName(argument);
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ChildRun run;
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return run;
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t ended = ::wait4(pid, &status, whileRunning ? WNOHANG : 0, &usage);
        if (ended == pid || (ended < 0 && errno != EINTR))
            break;
        if (ended == 0) {
            whileRunning(pid, clock.nsecsElapsed() / 1e6);
            ::usleep(2000);
        }
    }
    run.ms = clock.nsecsElapsed() / 1e6;
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;  // kB on Linux
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

BareRun bareTools(const QString &engine, const QString &text, const QTemporaryDir &dir)
{
    const QString in = dir.filePath(QStringLiteral("in.txt")), wav = dir.filePath(QStringLiteral("bare.wav")),
                  mp3 = dir.filePath(QStringLiteral("bare.mp3"));
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    f.close();
    QElapsedTimer clock;
    clock.start();
    const ChildRun rendering =
        runChild(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare"), engine, in, wav});
    const ChildRun encoding = runChild(QStringLiteral("lame"), {QStringLiteral("-f"), QStringLiteral("--quiet"), wav, mp3});
    return {clock.nsecsElapsed() / 1e6, rendering.ms, std::max(rendering.peakMegabytes, encoding.peakMegabytes)};
}

}  // namespace bench

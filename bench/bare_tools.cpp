#include "bare_tools.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bench {

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

QStringList engineCommand(const QString &engine)
{
    if (engine == QLatin1String("flite"))
        return {QStringLiteral("flite"), QStringLiteral("-voice"), QStringLiteral("kal16")};
    return {QStringLiteral("espeak-ng"), QStringLiteral("-v"), QStringLiteral("en-us")};
}

BareRun bareTools(const QStringList &engine, const QString &in, const QTemporaryDir &dir, BareEncoder encoder)
{
    const bool aac = encoder == BareEncoder::Aac;
    const QString wave = dir.filePath(QStringLiteral("bare.wav")),
                  out = dir.filePath(aac ? QStringLiteral("bare.m4a") : QStringLiteral("bare.mp3"));
    QFile::remove(wave);
    QFile::remove(out);
    const bool espeak = engine.first() == u"espeak-ng";
    const QStringList files = espeak ? QStringList{QStringLiteral("-w"), wave, QStringLiteral("-f"), in}
                                     : QStringList{QStringLiteral("-f"), in, QStringLiteral("-o"), wave};
    QStringList lame{QStringLiteral("-f"), QStringLiteral("--quiet"), wave, out};
    if (encoder == BareEncoder::LameWithoutReplayGain)
        lame.prepend(QStringLiteral("--noreplaygain"));
    QElapsedTimer clock;
    clock.start();
    const ChildRun rendering = runChild(engine.first(), engine.mid(1) + files);
    const ChildRun encoding =
        aac ? runChild(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                                  QStringLiteral("-i"), wave, QStringLiteral("-c:a"), QStringLiteral("aac"),
                                                  QStringLiteral("-b:a"), QStringLiteral("64k"),
                                                  QStringLiteral("-aac_coder"), QStringLiteral("fast"), out})
            : runChild(QStringLiteral("lame"), lame);
    return {clock.nsecsElapsed() / 1e6, rendering.ms, std::max(rendering.peakMegabytes, encoding.peakMegabytes),
            rendering.exitCode != 0 ? rendering.exitCode : encoding.exitCode};
}

BareEncoder mp3Encoder(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--no-replaygain")) ? BareEncoder::LameWithoutReplayGain : BareEncoder::Lame;
}

BareRun bareTools(const QString &engine, const QString &text, const QTemporaryDir &dir, BareEncoder encoder)
{
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    f.close();
    return bareTools(engineCommand(engine), in, dir, encoder);
}

}  // namespace bench

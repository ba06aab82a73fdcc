// The command-line converter against the bare tools. First a 10,000-character
// text to MP3 by `sayora-convert --quiet IN OUT` (the whole process, from
// spawn to exit) and by the bare tools doing the same work (the engine
// library alone writing the WAV in a child process, then `lame -f`),
// alternately, five times per voice: medians, their ratio (aim: at most
// 1.10) and the peak memory of each side's processes. Then a batch of eight
// such files with --jobs at the number of cores against --jobs 1.
// BENCH_PHASES=1 also splits the single conversions into rendering and the
// rest (encoding, exit) and prints the sizes of both MP3 files.
#include "bare_tools.h"
#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

struct Voice
{
    const char *name;
    const char *engine;  // of the bare tools
};

const Voice voices[] = {
    {"English (America)", "espeak"},
    {"Flite Kal (US English, male, 16 kHz)", "flite"},
};

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Says so when a run failed: its time would mean nothing.
void check(const bench::ChildRun &run, const char *what)
{
    if (run.exitCode != 0)
        std::fprintf(stderr, "bench_convert: %s ended with %d\n", what, run.exitCode);
}

// The pids of the children a process has started.
QStringList childrenOf(qint64 pid)
{
    QStringList children;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks + u'/' + task + QStringLiteral("/children"));
        if (list.open(QIODevice::ReadOnly))
            children << QString::fromLatin1(list.readAll()).split(u' ', Qt::SkipEmptyParts);
    }
    return children;
}

struct OneRun
{
    bench::ChildRun run;
    double renderingMs = 0;  // with BENCH_PHASES: until lame was started
};

OneRun convertOne(const QString &converter, const QString &voice, const QString &in, const QString &out)
{
    QFile::remove(out);
    const QStringList arguments{QStringLiteral("--quiet"), QStringLiteral("--voice"), voice, in, out};
    OneRun one;
    if (!qEnvironmentVariableIsSet("BENCH_PHASES")) {
        one.run = bench::runChild(converter, arguments);
        return one;
    }
    // The converter's one child is the encoder, started once the WAV is
    // complete: its appearance ends the rendering (to within the 2 ms poll).
    one.run = bench::runChild(converter, arguments, [&](qint64 pid, double ms) {
        if (one.renderingMs == 0 && !childrenOf(pid).isEmpty())
            one.renderingMs = ms;
    });
    return one;
}

bench::ChildRun convertBatch(const QString &converter, const QString &voice, int jobs, const QStringList &inputs,
                             const QString &outputDir)
{
    QDir(outputDir).removeRecursively();
    QStringList arguments{QStringLiteral("--quiet"),      QStringLiteral("--voice"), voice,
                          QStringLiteral("--jobs"),       QString::number(jobs),     QStringLiteral("--output-dir"),
                          outputDir,                      QStringLiteral("--format"), QStringLiteral("mp3")};
    return bench::runChild(converter, arguments + inputs);
}

} // namespace

int main(int argc, char *argv[])
{
    if (int code = 0; bench::runAsBareChild(argc, argv, &code))
        return code;
    // The children inherit these: no user settings, no sound device.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("SAYORA_AUDIO", "null");
    QCoreApplication app(argc, argv);
    const QString converter = QCoreApplication::applicationDirPath() + QStringLiteral("/sayora-convert");
    if (!QFileInfo(converter).isExecutable()) {
        std::fprintf(stderr, "bench_convert: %s is missing: build the sayora-convert target\n", qPrintable(converter));
        return 1;
    }
    QTemporaryDir dir;
    const QString text = bench::textOfLength(10000);
    const QString in = dir.filePath(QStringLiteral("text.txt")), out = dir.filePath(QStringLiteral("out.mp3"));
    if (!writeFile(in, text)) {
        std::fprintf(stderr, "bench_convert: cannot write %s\n", qPrintable(in));
        return 1;
    }
    const bool phases = qEnvironmentVariableIsSet("BENCH_PHASES");

    std::printf("%-38s %10s %10s %7s %11s %9s\n", "voice (10,000 chars, median of 5)", "convert ms", "bare ms", "ratio",
                "convert MB", "bare MB");
    for (const Voice &voice : voices) {
        const QString name = QString::fromLatin1(voice.name);
        QList<double> ours, tools, oursRendering, toolsRendering;
        double oursPeak = 0, toolsPeak = 0;
        for (int run = 0; run < 5; ++run) {
            const OneRun one = convertOne(converter, name, in, out);
            check(one.run, "sayora-convert");
            ours << one.run.ms;
            oursRendering << one.renderingMs;
            oursPeak = std::max(oursPeak, one.run.peakMegabytes);
            const bench::BareRun bare = bench::bareTools(QString::fromLatin1(voice.engine), text, dir);
            tools << bare.ms;
            toolsRendering << bare.renderingMs;
            toolsPeak = std::max(toolsPeak, bare.peakMegabytes);
        }
        const double a = bench::median(ours), b = bench::median(tools);
        std::printf("%-38s %10.0f %10.0f %7.3f %11.0f %9.0f\n", voice.name, a, b, a / b, oursPeak, toolsPeak);
        if (phases) {
            const double ar = bench::median(oursRendering), br = bench::median(toolsRendering);
            std::printf("  rendering: convert %.0f ms, bare %.0f ms; the rest: convert %.0f ms, bare %.0f ms\n", ar, br,
                        a - ar, b - br);
            std::printf("  MP3 bytes: convert %lld, bare %lld\n", QFileInfo(out).size(),
                        QFileInfo(dir.filePath(QStringLiteral("bare.mp3"))).size());
        }
    }

    const int cores = std::max(1, QThread::idealThreadCount());
    const int files = 8;
    QStringList inputs;
    for (int i = 1; i <= files; ++i) {
        inputs << dir.filePath(QStringLiteral("batch-%1.txt").arg(i));
        writeFile(inputs.last(), text);
    }
    const QString outputDir = dir.filePath(QStringLiteral("batch-out"));
    std::printf("\n%-38s %10s %10s %8s %6s\n", qPrintable(QStringLiteral("batch of %1 (median of 3)").arg(files)),
                "jobs 1 ms", qPrintable(QStringLiteral("jobs %1 ms").arg(cores)), "speed-up", "ideal");
    for (const Voice &voice : voices) {
        const QString name = QString::fromLatin1(voice.name);
        QList<double> serial, parallel;
        for (int run = 0; run < 3; ++run) {
            const bench::ChildRun many = convertBatch(converter, name, cores, inputs, outputDir);
            check(many, "sayora-convert (batch)");
            parallel << many.ms;
            const bench::ChildRun one = convertBatch(converter, name, 1, inputs, outputDir);
            check(one, "sayora-convert (batch)");
            serial << one.ms;
        }
        const double s = bench::median(serial), p = bench::median(parallel);
        std::printf("%-38s %10.0f %10.0f %8.2f %6d\n", voice.name, s, p, s / p, std::min(cores, files));
    }
    std::printf("(%d cores: the ideal speed-up is min(cores, %d) = %d)\n", cores, files, std::min(cores, files));
    return 0;
}

// The command-line converter against the tools a user would run instead.
// First 10,000 characters of real prose (the GPL 3, as Debian installs it)
// to MP3 by `sayora-convert --quiet --voice V IN OUT` and by the engine's
// own command followed by `lame -f` (`espeak-ng -v en-us -w`, `flite -voice
// kal16|slt -o`), alternately, five times per voice: medians, their ratio
// (aim: at most 0.6 on two cores) and the peak memory of each side. Then a
// batch of eight such files with --jobs at the number of cores against
// --jobs 1 (espeak-ng and Kal). --no-replaygain: lame without its default
// loudness analysis.
#include "bare_tools.h"
#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <span>
#include <cstdio>

namespace {

struct Voice
{
    const char *name;
    QStringList engine;  // the engine's command, less the text and the WAV
};

const Voice voices[] = {
    {"English (America)", {QStringLiteral("espeak-ng"), QStringLiteral("-v"), QStringLiteral("en-us")}},
    {"Flite Kal (US English, male, 16 kHz)", {QStringLiteral("flite"), QStringLiteral("-voice"), QStringLiteral("kal16")}},
    {"Flite SLT (US English, female)", {QStringLiteral("flite"), QStringLiteral("-voice"), QStringLiteral("slt")}},
};

// The first `length` characters of a real text, to a word's end.
QString prose(qsizetype length)
{
    QFile file(QStringLiteral("/usr/share/common-licenses/GPL-3"));
    if (!file.open(QIODevice::ReadOnly))
        return bench::textOfLength(length);
    QString text = QString::fromUtf8(file.readAll());
    while (text.size() < length)
        text += text;
    const qsizetype blank = text.indexOf(u' ', length);
    return text.left(blank < 0 ? length : blank);
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Says so when a run failed: its time would mean nothing.
template <typename Run>  // a ChildRun or a BareRun
void check(const Run &run, const char *what)
{
    if (run.exitCode != 0)
        std::fprintf(stderr, "bench_convert: %s ended with %d\n", what, run.exitCode);
}

bench::ChildRun convertOne(const QString &converter, const QString &voice, const QString &in, const QString &out)
{
    QFile::remove(out);
    return bench::runChild(converter, {QStringLiteral("--quiet"), QStringLiteral("--voice"), voice, in, out});
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
    // The children inherit these: no user settings, no sound device.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("SAYORA_AUDIO", "null");
    QCoreApplication app(argc, argv);
    const bench::BareEncoder mp3 = bench::mp3Encoder(app.arguments());
    const QString converter = QCoreApplication::applicationDirPath() + QStringLiteral("/sayora-convert");
    if (!QFileInfo(converter).isExecutable()) {
        std::fprintf(stderr, "bench_convert: %s is missing: build the sayora-convert target\n", qPrintable(converter));
        return 1;
    }
    QTemporaryDir dir;
    const QString text = prose(10000);
    const QString in = dir.filePath(QStringLiteral("text.txt")), out = dir.filePath(QStringLiteral("out.mp3"));
    if (!writeFile(in, text)) {
        std::fprintf(stderr, "bench_convert: cannot write %s\n", qPrintable(in));
        return 1;
    }
    std::printf("%-38s %10s %10s %7s %11s %9s\n", "voice (10,000 chars, median of 5)", "convert ms", "bare ms", "ratio",
                "convert MB", "bare MB");
    for (const Voice &voice : voices) {
        const QString name = QString::fromLatin1(voice.name);
        QList<double> ours, tools;
        double oursPeak = 0, toolsPeak = 0;
        for (int run = 0; run < 5; ++run) {
            const bench::ChildRun one = convertOne(converter, name, in, out);
            check(one, "sayora-convert");
            ours << one.ms;
            oursPeak = std::max(oursPeak, one.peakMegabytes);
            const bench::BareRun bare = bench::bareTools(voice.engine, in, dir, mp3);
            check(bare, "the bare tools");
            tools << bare.ms;
            toolsPeak = std::max(toolsPeak, bare.peakMegabytes);
        }
        const double a = bench::median(ours), b = bench::median(tools);
        std::printf("%-38s %10.0f %10.0f %7.3f %11.0f %9.0f\n", voice.name, a, b, a / b, oursPeak, toolsPeak);
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
    // SLT's batch would take minutes and show nothing the others do not.
    for (const Voice &voice : std::span(voices).first(2)) {
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

// sayora-convert: Sayora's voices from the command line.

#include "convert/batch.h"
#include "convert/worker_pool.h"
#include "convert/chapter_split.h"
#include "convert/conversion.h"
#include "convert/convert_job.h"
#include "convert/convert_options.h"
#include "convert/output_folder.h"
#include "convert/progress_bar.h"
#include "convert/voice_catalog.h"
#include "documents/document_loader.h"
#include "export/sound_file_commit.h"
#include "shell/termination_signals.h"
#include "shell/user_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <unistd.h>

#include <csignal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Interrupts and terminations are taken in the event loop, where the
// temporary files can be removed; then the process ends by the same signal,
// so that a shell sees it was interrupted.
void onTermination(QObject *context, const std::function<void(int)> &handler)
{
    if (TerminationSignals *ending = TerminationSignals::install({SIGINT, SIGTERM, SIGHUP}, context))
        QObject::connect(ending, &TerminationSignals::received, context, handler);
}

[[noreturn]] void endWith(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    // Without exit handlers: nothing here needs more than the flush, and
    // static destructors would run while a synthesizer's worker thread may
    // still be inside the library they tear down.
    std::_Exit(code);
}

// A message as a line's second half: "the folder … does not exist."
QString sentence(QString why)
{
    if (!why.isEmpty())
        why[0] = why.at(0).toLower();
    return why;
}

// A "done FRACTION" line for the program that runs this one, at most ten
// a second.
void printDone(double fraction, bool force)
{
    static QElapsedTimer since;
    if (!force && since.isValid() && since.elapsed() < 100)
        return;
    since.start();
    const QByteArray line = Convert::doneLine(fraction);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void printError(const QString &line)
{
    QTextStream(stderr) << "sayora-convert: " << line << Qt::endl;
}

// Checks an explicit voice before any work starts.
bool voiceKnown(const VoiceCatalog &voices, const QString &name)
{
    if (name.isEmpty() || voices.find(name))
        return true;
    bool ambiguous = false;
    QStringList names;
    for (const VoiceCatalog::Voice &voice : voices.suggestions(name, 5, &ambiguous))
        names << QStringLiteral("\"%1\" (%2)").arg(voice.name, voice.shortName.isEmpty() ? voice.code : voice.shortName);
    const QString hint = names.isEmpty() ? QCoreApplication::translate("Convert", "--list-voices shows them")
                                         : QCoreApplication::translate("Convert", "did you mean %1?").arg(names.join(u", "));
    printError((ambiguous ? QCoreApplication::translate("Convert", "more than one voice goes by \"%1\"; %2")
                          : QCoreApplication::translate("Convert", "there is no voice \"%1\"; %2"))
                   .arg(name, hint));
    return false;
}

// The batch that started this worker: named by the batch itself, else the
// parent the process started with.
pid_t batchPid(pid_t parentAtStart)
{
    bool ok = false;
    const qint64 named = qEnvironmentVariableIntValue("SAYORA_CONVERT_BATCH", &ok);
    return ok && named > 0 ? pid_t(named) : parentAtStart;
}

// A bit rate asked of a format that has none is said, not ignored.
void noteBitrate(const Convert::Options &options)
{
    if (options.bitrate <= 0 || options.reportProgress)
        return;
    const char *format = options.format == Convert::Format::Flac  ? "FLAC is lossless"
                         : options.format == Convert::Format::Wav  ? "WAV is uncompressed PCM"
                         : options.format == Convert::Format::Text ? "a text is no sound"
                                                                    : nullptr;
    if (format)
        printError(QCoreApplication::translate("Convert", "--bitrate was left unused: %1 and has no bit rate to set").arg(QLatin1String(format)));
}

// Hidden temporaries of conversions killed outright, said once each.
void removeStaleTemporaries(const QString &folder)
{
    for (const QString &name : OutputFolder::removeStaleTemporaries(folder))
        printError(QCoreApplication::translate("Convert", "removed %1, left in %2 by a conversion that was killed")
                       .arg(name, QDir::toNativeSeparators(folder)));
}

// The characters the input will give, near enough for the room it needs:
// a plain text's bytes, else the document's text; -1 when unknown.
qint64 textLengthOf(const QString &input)
{
    if (input == u"-")
        return -1;
    static const QStringList documents = {QStringLiteral("rtf"), QStringLiteral("pdf"), QStringLiteral("epub"),
                                          QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("html"),
                                          QStringLiteral("htm"), QStringLiteral("xhtml")};
    const QFileInfo info(input);
    if (!info.isFile())
        return -1;
    if (!documents.contains(info.suffix().toLower()))
        return info.size();
    DocumentLoader box;
    return box.LoadFile(input) ? box.Text().size() : -1;
}

// Checks made before a single conversion starts: its worker's parent, the
// output's folder and its room.
int prepareConversion(const Convert::Options &options, pid_t parentAtStart)
{
#ifdef __linux__
    // A batch's worker ends with its parent (see main()); a parent gone
    // before that was asked for leaves the worker to whoever adopts orphans:
    // init, or a subreaper (a session manager, a container's init) with any
    // pid.
    if (options.reportProgress && ::getppid() != batchPid(parentAtStart))
        return Convert::RenderFailed;
#else
    Q_UNUSED(parentAtStart);
#endif
    const bool toFile = options.output != u"-";
    // Found out before minutes of reading aloud.
    if (const QString folder = QFileInfo(options.output).absolutePath(); toFile && !QFileInfo(folder).isDir()) {
        printError(QStringLiteral("%1: %2").arg(options.output, sentence(SoundFileCommit::folderProblem(folder))));
        return Convert::RenderFailed;
    }
    // A batch has done this once for all its workers, and a book split
    // into chapters for the workers of its chapters, whose texts wait in
    // the folder until their turn.
    const bool workerOfOurs = options.reportProgress || qEnvironmentVariableIsSet("SAYORA_CONVERT_BATCH");
    if (!workerOfOurs && toFile)
        removeStaleTemporaries(QFileInfo(options.output).absolutePath());
    if (options.format != Convert::Format::Text && !options.piece && toFile) {
        const qint64 length = textLengthOf(options.inputs.first());
        if (length > 0) {
            const QString shortage = OutputFolder::roomShortage(
                options.output, OutputFolder::neededBytes(length, options.format, options.rate));
            if (!shortage.isEmpty()) {
                printError(QStringLiteral("%1: %2.").arg(options.output, shortage));
                return Convert::RetryFailed;
            }
        }
    }
    return Convert::Success;
}

// Checks made before a batch starts: its outputs, its voice, its folder.
int prepareBatch(const Convert::Options &options)
{
    if (const QString why = Convert::checkBatch(options); !why.isEmpty()) {
        printError(why + QCoreApplication::translate("Convert", " (see --help)"));
        return Convert::UsageError;
    }
    if (!options.voice.isEmpty() && options.format != Convert::Format::Text) {
        const VoiceCatalog voices;
        if (!voiceKnown(voices, options.voice))
            return Convert::UnknownVoice;
    }
    if (!QDir().mkpath(options.outputDir)) {
        printError(QCoreApplication::translate("Convert", "%1: the folder cannot be created.").arg(options.outputDir));
        return Convert::RenderFailed;
    }
    removeStaleTemporaries(options.outputDir);
    return Convert::Success;
}

// Runs a job in the event loop to its end: its progress on a bar (and as
// lines for the program or the pool that runs this one), its warnings, an
// interrupt passed on to it; then the process's status.
int run(ConvertJob &job, const Convert::Options &options)
{
    ProgressBar bar(!options.quiet && !options.reportProgress);
    QElapsedTimer reported;
    const auto report = [&](bool force) {
        const double fraction = job.fraction();
        bar.show(job.label(), fraction, job.phase(), force);
        if (options.progressLines)
            printDone(fraction, force);
        if (options.reportProgress && (force || !reported.isValid() || reported.elapsed() >= 100)) {
            reported.start();
            const QByteArray line = job.workerReport();
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        }
    };
    QObject::connect(&job, &ConvertJob::progressed, [&] { report(false); });
    QObject::connect(&job, &ConvertJob::warned, [&](const QString &line) { bar.print(line); });
    // The bar's clock keeps going while an engine or the encoder works.
    QTimer tick;
    tick.setInterval(200);
    QObject::connect(&tick, &QTimer::timeout, [&] { report(false); });
    QObject::connect(&job, &ConvertJob::finished, &tick, &QTimer::stop);
    QObject::connect(&job, &ConvertJob::finished, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    onTermination(&job, [&](int signal) {
        // Ends by the signal once the workers have removed their files.
        QObject::connect(&job, &ConvertJob::stopped, [signal] { TerminationSignals::endBy(signal); });
        job.interrupt(signal);
        bar.clear();
        if (const QString line = job.interruptedLine(); !line.isEmpty())
            printError(line);
    });

    if (bar.enabled() || options.reportProgress || options.progressLines)
        tick.start();
    report(true);
    QTimer::singleShot(0, &job, &ConvertJob::start);
    QCoreApplication::exec();
    if (job.exitCode() == Convert::Success)
        report(true);
    bar.clear();
    if (job.exitCode() != Convert::Success && !job.error().isEmpty())
        printError(job.error());
    if (const QString summary = job.summary(); bar.enabled() && !summary.isEmpty())
        QTextStream(stderr) << summary << Qt::endl;
    return OutputFolder::classifyFailure(job.exitCode(), job.error());
}

// One conversion, as its command line says: checked, then run to its end.
// Its status.
int convertOne(VoiceCatalog &voices, const Convert::Options &options, pid_t parentAtStart)
{
    noteBitrate(options);
    if (!voiceKnown(voices, options.voice))
        return Convert::UnknownVoice;
    if (const int code = prepareConversion(options, parentAtStart); code != Convert::Success)
        return code;
    Conversion conversion(voices, options);
    return run(conversion, options);
}

// A worker of a pool: one conversion after another, each given as a line
// of standard input, with the voices loaded once. Each job's standard
// error and output end with the lines that tell the pool it has ended.
[[noreturn]] void serve(pid_t parentAtStart)
{
    VoiceCatalog voices;
    char *line = nullptr;
    size_t room = 0;
    while (::getline(&line, &room, stdin) > 0) {
        QStringList arguments;
        int code = Convert::UsageError;
        if (!Convert::parseJobLine(QByteArray(line), &arguments)) {
            printError(QCoreApplication::translate("Convert", "a worker was given a job it cannot read"));
        } else if (const Convert::Options options = Convert::parseOptions(arguments); !options.error.isEmpty()) {
            printError(options.error);
        } else if (options.mode != Convert::Options::Mode::Convert || options.inputs.value(0) == u"-") {
            printError(QCoreApplication::translate("Convert", "a worker converts one file into one file"));
        } else {
            code = convertOne(voices, options, parentAtStart);
        }
        // A line the job left unfinished is finished first.
        std::fflush(stdout);
        std::fputs("\n", stderr);
        std::fputs(Convert::jobErrorsEnd, stderr);
        std::fflush(stderr);
        const QByteArray ended = Convert::jobEndedLine(code);
        std::fwrite(ended.constData(), 1, size_t(ended.size()), stdout);
        std::fflush(stdout);
    }
    std::free(line);
    endWith(Convert::Success);
}

}  // namespace

int main(int argc, char *argv[])
{
    const pid_t parentAtStart = ::getppid();
    // Nothing is ever played, yet espeak-ng 1.51 connects to the sound server
    // in every initialisation, even one that hands the audio back: that
    // starts PulseAudio's client, which makes $XDG_CONFIG_HOME/pulse and
    // complains where it cannot. Pointed at no server, it gives up at once.
    ::setenv("PULSE_SERVER", "unix:/dev/null", 1);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt sees the program's name alone: every argument is ours.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QCoreApplication app(qtArgc, qtArgv);
    QCoreApplication::setApplicationName(QStringLiteral("sayora-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SAYORA_VERSION));
    installTranslations();
    // A closed pipe ends a write with an error, not the process.
    std::signal(SIGPIPE, SIG_IGN);

    const Convert::Options options = Convert::parseOptions(arguments);
    if (!options.error.isEmpty()) {
        printError(options.error + QCoreApplication::translate("Convert", " (see --help)"));
        endWith(Convert::UsageError);
    }
    if (options.mode == Convert::Options::Mode::Batch || options.mode == Convert::Options::Mode::SplitChapters)
        noteBitrate(options);
#ifdef __linux__
    // A worker of a pool ends with its parent, however the parent ends,
    // and so still removes its temporary files; and the window that runs a
    // conversion takes its files with it.
    if (options.reportProgress || options.progressLines || options.mode == Convert::Options::Mode::Serve)
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    switch (options.mode) {
    case Convert::Options::Mode::Help:
        QTextStream(stdout) << Convert::helpText() << Chapters::helpText();
        endWith(Convert::Success);
    case Convert::Options::Mode::Version:
        QTextStream(stdout) << "sayora-convert (Sayora) " << SAYORA_VERSION << Qt::endl;
        endWith(Convert::Success);
    case Convert::Options::Mode::ListVoices: {
        const VoiceCatalog voices;
        QTextStream out(stdout);
        for (const VoiceCatalog::Voice &voice : voices.voices())
            out << voice.name << '\t' << voice.shortName << '\t' << voice.code << '\t'
                << VoiceCatalog::engineName(voice) << '\n';
        out.flush();
        endWith(Convert::Success);
    }
    case Convert::Options::Mode::Batch: {
        if (const int code = prepareBatch(options); code != Convert::Success)
            endWith(code);
        Batch batch(options);
        endWith(run(batch, options));
    }
    case Convert::Options::Mode::SplitChapters: {
        VoiceCatalog voices;
        if (!voiceKnown(voices, options.voice))
            endWith(Convert::UnknownVoice);
        if (QFileInfo(options.outputDir).isDir())
            removeStaleTemporaries(options.outputDir);
        ChapterSplit chapters(voices, options);
        endWith(run(chapters, options));
    }
    case Convert::Options::Mode::Serve:
        serve(parentAtStart);
    case Convert::Options::Mode::Convert:
        break;
    }
    VoiceCatalog voices;
    endWith(convertOne(voices, options, parentAtStart));
}

// sayora-convert: Sayora's voices from the command line.

#include "convert/batch.h"
#include "convert/chapter_split.h"
#include "convert/conversion.h"
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
    const QByteArray line = "done " + QByteArray::number(std::clamp(fraction, 0.0, 1.0), 'f', 4) + '\n';
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

QString displayName(const QString &input)
{
    return input == u"-" ? QCoreApplication::translate("Convert", "standard input") : QFileInfo(input).fileName();
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

int runOne(const Convert::Options &options, pid_t parentAtStart)
{
    VoiceCatalog voices;
    if (!voiceKnown(voices, options.voice))
        return Convert::UnknownVoice;
#ifdef __linux__
    // A batch's worker ends with its parent, however the parent ends, and
    // so still removes its temporary files. A parent gone before that was
    // asked for leaves the worker to whoever adopts orphans: init, or a
    // subreaper (a session manager, a container's init) with any pid.
    if (options.reportProgress) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != batchPid(parentAtStart))
            return Convert::RenderFailed;
    }
    // The window that runs a conversion takes its files with it.
    if (options.progressLines)
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
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
    Conversion conversion(voices, options);
    ProgressBar bar(!options.quiet && !options.reportProgress);
    const QString label = displayName(options.inputs.first());

    QElapsedTimer reported;
    const auto report = [&](bool force) {
        const double rendered = conversion.rendered();
        const double encoded = conversion.encoded();
        const bool encoding = rendered >= 1.0 && options.format != Convert::Format::Wav;
        const double fraction = Convert::jobFraction(options.format, rendered, encoded, conversion.renderShare());
        bar.show(label, fraction, encoding ? QCoreApplication::translate("Convert", "encoding") : QCoreApplication::translate("Convert", "reading"), force);
        if (options.progressLines)
            printDone(fraction, force);
        if (options.reportProgress && (force || !reported.isValid() || reported.elapsed() >= 100)) {
            reported.start();
            const QByteArray line = Convert::progressLine(rendered, encoded, conversion.renderShare());
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        }
    };
    QObject::connect(&conversion, &Conversion::progressed, [&] { report(false); });
    QObject::connect(&conversion, &Conversion::warned, [&](const QString &line) { bar.print(line); });
    // The bar's clock keeps going while an engine or the encoder works.
    QTimer tick;
    tick.setInterval(200);
    QObject::connect(&tick, &QTimer::timeout, [&] { report(false); });
    QObject::connect(&conversion, &Conversion::finished, &tick, &QTimer::stop);
    QObject::connect(&conversion, &Conversion::finished, QCoreApplication::instance(), &QCoreApplication::quit);
    onTermination(&conversion, [&](int signal) {
        // Ends by the signal once the workers have removed their files.
        QObject::connect(&conversion, &Conversion::stopped, [signal] { TerminationSignals::endBy(signal); });
        conversion.stop();
        bar.clear();
        // A worker's parent says it once for the whole batch.
        if (!options.reportProgress)
            printError(QCoreApplication::translate("Convert", "interrupted; %1 was left as it was").arg(options.output));
    });

    if (bar.enabled() || options.reportProgress || options.progressLines)
        tick.start();
    report(true);
    QTimer::singleShot(0, &conversion, &Conversion::start);
    if (!conversion.isFinished())
        QCoreApplication::exec();
    if (conversion.exitCode() == Convert::Success)
        report(true);
    bar.clear();
    if (conversion.exitCode() != Convert::Success)
        printError(conversion.error());
    return OutputFolder::classifyFailure(conversion.exitCode(), conversion.error());
}

int runSplit(const Chapters::SplitOptions &split)
{
    const Convert::Options &options = split.options;
    VoiceCatalog voices;
    if (!voiceKnown(voices, options.voice))
        return Convert::UnknownVoice;
    if (QFileInfo(options.outputDir).isDir())
        removeStaleTemporaries(options.outputDir);
#ifdef __linux__
    if (options.progressLines)
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    ChapterSplit chapters(voices, split);
    ProgressBar bar(!options.quiet);
    const QString book = displayName(options.inputs.first());
    const auto show = [&](bool force) {
        bar.show(QCoreApplication::translate("Convert", "%1: %2 of %n chapters", nullptr, chapters.total()).arg(book).arg(chapters.done()),
                 chapters.fraction(), QCoreApplication::translate("Convert", "reading"), force);
        if (options.progressLines)
            printDone(chapters.fraction(), force);
    };
    QObject::connect(&chapters, &ChapterSplit::progressed, [&] { show(false); });
    QObject::connect(&chapters, &ChapterSplit::warned, [&](const QString &line) { bar.print(line); });
    QTimer tick;
    tick.setInterval(200);
    QObject::connect(&tick, &QTimer::timeout, [&] { show(false); });
    QObject::connect(&chapters, &ChapterSplit::finished, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    onTermination(&chapters, [&](int signal) {
        QObject::connect(&chapters, &ChapterSplit::stopped, [signal] { TerminationSignals::endBy(signal); });
        chapters.abort();
        bar.clear();
        printError(QCoreApplication::translate("Convert", "interrupted; the chapters finished so far were kept, no playlist was written"));
    });
    if (bar.enabled() || options.progressLines)
        tick.start();
    QTimer::singleShot(0, &chapters, &ChapterSplit::start);
    QCoreApplication::exec();
    bar.clear();
    if (chapters.exitCode() != Convert::Success)
        printError(chapters.error());
    return OutputFolder::classifyFailure(chapters.exitCode(), chapters.error());
}

int runBatch(const Convert::Options &options)
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
    Batch batch(options);
    ProgressBar bar(!options.quiet);
    const auto show = [&](bool force) {
        bar.show(QCoreApplication::translate("Convert", "%1 of %n files", nullptr, batch.total()).arg(batch.done()), batch.fraction(),
                 QCoreApplication::translate("Convert", "converting"), force);
    };
    QObject::connect(&batch, &Batch::progressed, [&] { show(false); });
    QObject::connect(&batch, &Batch::failed, [&](const QString &line) { bar.print(line); });
    QTimer tick;
    tick.setInterval(200);
    QObject::connect(&tick, &QTimer::timeout, [&] { show(false); });
    QObject::connect(&batch, &Batch::finished, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    onTermination(&batch, [&](int signal) {
        QObject::connect(&batch, &Batch::stopped, [signal] { TerminationSignals::endBy(signal); });
        batch.interrupt(signal);
        bar.clear();
        printError(QCoreApplication::translate("Convert", "interrupted; the files being converted were left as they were"));
    });
    if (bar.enabled())
        tick.start();
    show(true);
    batch.start();
    QCoreApplication::exec();
    show(true);
    bar.clear();
    if (bar.enabled()) {
        QString summary = QCoreApplication::translate("Convert", "sayora-convert: %1 of %n files converted", nullptr, batch.total()).arg(batch.succeeded());
        if (batch.skipped() > 0)
            summary += QCoreApplication::translate("Convert", ", %n skipped (already there)", nullptr, batch.skipped());
        QTextStream(stderr) << summary << Qt::endl;
    }
    return batch.exitCode();
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

    if (Chapters::wantsSplit(arguments)) {
        const Chapters::SplitOptions split = Chapters::parseSplitOptions(arguments);
        if (!split.options.error.isEmpty()) {
            printError(split.options.error + QCoreApplication::translate("Convert", " (see --help)"));
            endWith(Convert::UsageError);
        }
        if (split.options.mode == Convert::Options::Mode::Batch) {
            noteBitrate(split.options);
            endWith(runSplit(split));
        }
    }
    const Convert::Options options = Convert::parseOptions(arguments);
    if (!options.error.isEmpty()) {
        printError(options.error + QCoreApplication::translate("Convert", " (see --help)"));
        endWith(Convert::UsageError);
    }
    if (options.mode == Convert::Options::Mode::Convert || options.mode == Convert::Options::Mode::Batch)
        noteBitrate(options);
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
    case Convert::Options::Mode::Batch:
        endWith(runBatch(options));
    case Convert::Options::Mode::Convert:
        break;
    }
    endWith(runOne(options, parentAtStart));
}

#include "convert/chapter_split.h"

#include <QCoreApplication>

#include "audio/mp3_stream.h"
#include "convert/batch.h"
#include "convert/voice_catalog.h"
#include "convert/worker_stop.h"
#include "export/export_estimate.h"
#include "export/sound_file_commit.h"
#include "documents/document_loader.h"
#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

#include <algorithm>
#include <climits>

namespace Chapters {

QList<Mark> marks(const Document &document)
{
    const QString &text = document.text;
    // The top level present: a PDF outline may number its levels from 2.
    int top = INT_MAX;
    for (const Document::Chapter &c : document.chapters)
        top = std::min(top, c.level);
    QList<Document::Chapter> cuts;
    for (const Document::Chapter &c : document.chapters) {
        if (c.level != top || c.start < 0 || c.start > text.size())
            continue;
        if (!cuts.isEmpty() && c.start <= cuts.last().start)
            continue;  // out of order or at the same place: the first one names it
        cuts << c;
    }
    QList<Mark> result;
    for (qsizetype i = 0; i < cuts.size(); ++i) {
        const qsizetype begin = i == 0 ? 0 : cuts.at(i).start;
        const qsizetype end = i + 1 < cuts.size() ? cuts.at(i + 1).start : text.size();
        QString title = cuts.at(i).title.simplified();
        if (title.isEmpty())
            title = QStringLiteral("Chapter %1").arg(i + 1);
        if (QStringView(text).mid(begin, end - begin).trimmed().isEmpty())
            continue;
        result.append({title, result.isEmpty() ? 0 : begin});
    }
    return result;
}

QList<Part> parts(const Document &document, const QString &fallbackTitle)
{
    const QList<Mark> found = marks(document);
    if (found.isEmpty())
        return {{fallbackTitle, document.text}};
    QList<Part> result;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const qsizetype begin = found.at(i).start;
        const qsizetype end = i + 1 < found.size() ? found.at(i + 1).start : document.text.size();
        result.append({found.at(i).title, document.text.mid(begin, end - begin)});
    }
    return result;
}

QString safeName(const QString &title, const QString &fallback)
{
    QString name;
    name.reserve(title.size());
    // What FAT and exFAT drives (a player, a memory card) refuse: a colon
    // becomes a dash ("Book One: Spring" as "Book One - Spring"), a double
    // quote a single one, the others blanks.
    for (const QChar c : title) {
        if (c == u':')
            name += QStringLiteral(" - ");
        else if (c == u'"')
            name += u'\'';
        else if (QStringView(u"/\\*?<>|").contains(c) || c.category() == QChar::Other_Control)
            name += u' ';
        else
            name += c;
    }
    name = name.simplified();
    while (name.startsWith(u'.'))
        name = name.mid(1).trimmed();
    // 80 UTF-16 units are at most 240 bytes of UTF-8: with the number and
    // the extension the name stays within a file system's 255.
    constexpr qsizetype MaxLength = 80;
    if (name.size() > MaxLength) {
        name.truncate(MaxLength);
        if (name.back().isHighSurrogate())
            name.chop(1);
        name = name.trimmed();
    }
    // Nor do they keep a trailing dot.
    while (name.endsWith(u'.'))
        name = name.chopped(1).trimmed();
    return name.isEmpty() ? fallback : name;
}

QString fileName(int number, int total, const QString &title, const QString &extension)
{
    const int width = std::max<int>(2, int(QString::number(total).size()));
    return QStringLiteral("%1 %2.%3")
        .arg(number, width, 10, QChar(u'0'))
        .arg(safeName(title, QStringLiteral("Chapter %1").arg(number)), extension);
}

QByteArray playlist(const QList<Entry> &entries)
{
    QByteArray out = "#EXTM3U\n";
    for (const Entry &e : entries) {
        out += "#EXTINF:" + QByteArray::number(qRound64(e.seconds)) + ',' + e.title.simplified().toUtf8() + '\n';
        out += e.file.toUtf8() + '\n';
    }
    return out;
}

namespace {

bool isOption(const QString &argument, const char *name, QString *inlineValue)
{
    const QString option = QString::fromLatin1(name);
    if (argument == option)
        return true;
    if (argument.startsWith(option + u'=')) {
        *inlineValue = argument.mid(option.size() + 1);
        return true;
    }
    return false;
}

SplitOptions failed(SplitOptions split, const QString &why)
{
    split.options.error = why;
    return split;
}

}  // namespace

bool wantsSplit(const QStringList &arguments)
{
    for (const QString &a : arguments) {
        if (a == u"--")
            break;
        if (a == u"--split" || a.startsWith(u"--split="))
            return true;
    }
    return false;
}

SplitOptions parseSplitOptions(const QStringList &arguments)
{
    SplitOptions split;
    QStringList rest;
    QString how, format = QStringLiteral("mp3");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == u"--") {
            rest += arguments.mid(i);
            break;
        }
        QString value;
        QString *into = nullptr;
        if (isOption(a, "--split", &value))
            into = &how;
        else if (isOption(a, "--format", &value) || a == u"-f")
            into = &format;
        // A kind of subtitles for every chapter, where elsewhere --subtitles
        // names a file: its own spelling, the old one still taken.
        else if (isOption(a, "--subtitle-format", &value) || isOption(a, "--subtitles", &value))
            into = &split.subtitles;
        if (!into) {
            rest << a;
            continue;
        }
        if (!a.contains(u'=')) {
            if (i + 1 >= arguments.size())
                return failed(split, QCoreApplication::translate("Convert", "%1 needs a value").arg(a));
            value = arguments.at(++i);
        }
        *into = value;
    }
    if (how != u"chapters")
        return failed(split, QCoreApplication::translate("Convert", "--split takes \"chapters\", not \"%1\"").arg(how));
    if (format != u"mp3" && format != u"wav")
        return failed(split, QCoreApplication::translate("Convert", "--split writes speech: --format takes mp3 or wav, not \"%1\"").arg(format));
    if (!split.subtitles.isEmpty() && split.subtitles != u"srt" && split.subtitles != u"lrc" && split.subtitles != u"vtt")
        return failed(split, QCoreApplication::translate("Convert", "with --split, --subtitle-format takes srt, lrc or vtt, not \"%1\"").arg(split.subtitles));

    // The other options are read as for a batch, whose files are the book
    // and the folder here.
    Convert::Options o = Convert::parseOptions(rest + QStringList{QStringLiteral("--output-dir"), QStringLiteral("."),
                                                                  QStringLiteral("--format"), format});
    if (!o.error.isEmpty() || o.mode == Convert::Options::Mode::Help || o.mode == Convert::Options::Mode::Version) {
        split.options = o;
        return split;
    }
    if (o.mode != Convert::Options::Mode::Batch || o.inputs.size() != 2)
        return failed(split, QCoreApplication::translate("Convert", "--split chapters needs a book and a folder: INPUT DIR"));
    if (o.jobs > 0)
        return failed(split, QCoreApplication::translate("Convert", "--jobs goes with --output-dir, not --split"));
    o.outputDir = o.inputs.at(1);
    o.inputs = {o.inputs.at(0)};
    split.options = o;
    return split;
}

QString helpText()
{
    return QCoreApplication::translate("Convert", R"(
A book, one file per chapter:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Writes "01 Title.mp3", "02 Title.mp3", ... into DIR, one per chapter (the
table of contents of an EPUB, the outline of a PDF, the top headings of a
DOCX, ODT or HTML file; a text before the first chapter is read with it),
tagged with the chapter, the book's title and author and the track number,
and a playlist "BOOK TITLE.m3u8" in order. --format mp3 (the default) or
wav; --subtitle-format srt, lrc or vtt (or --subtitles srt, lrc or vtt)
writes "01 Title.srt" ... beside them. A
failure stops the split: the chapters finished before it are kept, whole,
and no playlist is written.
)");
}

}  // namespace Chapters

namespace {

QString line(const QString &file, QString why)
{
    if (!why.isEmpty())
        why[0] = why.at(0).toLower();
    if (!why.endsWith(u'.'))
        why += u'.';
    return QStringLiteral("%1: %2").arg(file, why);
}

}  // namespace

ChapterSplit::ChapterSplit(VoiceCatalog &voices, const Chapters::SplitOptions &options, QObject *parent)
    : QObject(parent)
    , m_voices(voices)
    , m_split(options)
{
    m_limit = std::max(1, QThread::idealThreadCount());
}

ChapterSplit::~ChapterSplit()
{
    abort();
}

double ChapterSplit::fraction() const
{
    // Weighed by the chapters' lengths.
    double all = 0, done = 0;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        const double length = double(std::max<qsizetype>(1, m_parts.at(i).text.size()));
        all += length;
        done += m_jobs.at(i).fraction * length;
    }
    return all > 0 ? std::min(1.0, done / all) : 0.0;
}

void ChapterSplit::fail(Convert::ExitCode code, const QString &why)
{
    if (m_finished)
        return;
    stopWorkers();
    m_running = 0;
    m_texts.reset();
    m_exitCode = code;
    m_error = why;
    m_finished = true;
    emit finished();
}

// Each worker, told to end, removes its own temporaries. They are ended
// together, and nothing waits here: the returned stop (null when none was
// running) says when the last has gone.
WorkerStop *ChapterSplit::stopWorkers(qsizetype from)
{
    QList<QProcess *> running;
    for (qsizetype i = from; i < m_jobs.size(); ++i) {
        Job &job = m_jobs[i];
        if (job.worker && !job.done && job.worker->state() != QProcess::NotRunning) {
            // The stop owns it from now on.
            running << std::exchange(job.worker, nullptr);
            job.done = true;
            job.failed = true;
            --m_running;
        }
    }
    return WorkerStop::stop(running, SIGTERM);
}

void ChapterSplit::abort()
{
    if (WorkerStop *stopping = stopWorkers())
        connect(stopping, &WorkerStop::ended, this, &ChapterSplit::stopped);
    else
        QMetaObject::invokeMethod(this, &ChapterSplit::stopped, Qt::QueuedConnection);
}

void ChapterSplit::start()
{
    const Convert::Options &o = m_split.options;
    const QString input = o.inputs.value(0);
    DocumentLoader box;
    if (!box.LoadFile(input))
        return fail(Convert::InputUnreadable, line(input, box.errorString()));
    const Document &document = box.document();
    if (ExportEstimate::exportText(document.text).isEmpty())
        return fail(Convert::InputUnreadable, line(input, tr("there is no text in it to read aloud")));
    m_album = document.title.simplified();
    if (m_album.isEmpty())
        m_album = QFileInfo(input).completeBaseName();
    m_author = document.author.simplified();
    m_parts = Chapters::parts(document, m_album);

    // One voice for the whole book, chosen by its whole text.
    if (o.voice.isEmpty()) {
        const std::optional<VoiceCatalog::Voice> voice = m_voices.forText(document.text);
        if (!voice)
            return fail(Convert::RenderFailed, line(o.outputDir, tr("no voice is installed")));
        m_split.options.voice = voice->name;
    }
    if (o.format == Convert::Format::Mp3 && SoundFileCommit::encoderPath().isEmpty())
        return fail(Convert::RenderFailed, line(o.outputDir, tr("the MP3 encoder \"lame\" is not installed")));
    if (!QDir().mkpath(o.outputDir))
        return fail(Convert::RenderFailed, line(o.outputDir, tr("the folder cannot be created")));
    // The chapters' texts in a hidden folder of the kind a killed
    // conversion's leftovers are swept from.
    m_texts = std::make_unique<QTemporaryDir>(QDir(o.outputDir).filePath(QStringLiteral(".chapters.XXXXXX.parts")));
    if (!m_texts->isValid())
        return fail(Convert::RenderFailed, line(o.outputDir, tr("the folder cannot be written to")));
    const int total = int(m_parts.size());
    for (int i = 0; i < total; ++i) {
        Job job;
        job.text = m_texts->filePath(QStringLiteral("%1.txt").arg(i + 1, 3, 10, QLatin1Char('0')));
        job.file = Chapters::fileName(i + 1, total, m_parts.at(i).title, Convert::extension(o.format));
        QString why;
        if (!AtomicFile::write(job.text, m_parts.at(i).text.toUtf8(), &why))
            return fail(Convert::RenderFailed, line(o.outputDir, why));
        m_jobs.append(job);
    }
    emit progressed();
    while (m_running < m_limit && m_next < m_jobs.size())
        startNext();
}

void ChapterSplit::startNext()
{
    const int index = m_next++;
    Job &job = m_jobs[index];
    const QDir dir(m_split.options.outputDir);
    Convert::Options one = m_split.options;
    one.title = m_parts.at(index).title;
    one.album = m_album;
    one.artist = m_author;
    one.track = index + 1;
    one.total = int(m_jobs.size());
    one.encoding.clear();  // the chapters' texts are in UTF-8
    // A worker's arguments, but reporting as a program's child does: it
    // cuts a long chapter into pieces of its own.
    QStringList arguments = Convert::workerArguments(one);
    arguments.removeAll(QStringLiteral("--report-progress"));
    arguments << QStringLiteral("--progress-lines") << QStringLiteral("--quiet");
    if (!m_split.subtitles.isEmpty())
        arguments << QStringLiteral("--subtitles")
                  << dir.filePath(QFileInfo(job.file).completeBaseName() + u'.' + m_split.subtitles);
    arguments << QStringLiteral("--") << job.text << dir.filePath(job.file);
    job.worker = Convert::newWorker(arguments, this);
    connect(job.worker, &QProcess::readyReadStandardOutput, this, [this, index] {
        Job &j = m_jobs[index];
        while (j.worker->canReadLine()) {
            const QByteArray text = j.worker->readLine().trimmed();
            bool ok = false;
            if (const double f = text.startsWith("done ") ? text.mid(5).toDouble(&ok) : 0.0; ok)
                j.fraction = std::max(j.fraction, f);
        }
        emit progressed();
    });
    connect(job.worker, &QProcess::finished, this, [this, index] { workerEnded(index); });
    connect(job.worker, &QProcess::errorOccurred, this, [this, index](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            workerEnded(index);
    });
    ++m_running;
    job.worker->start();
}

void ChapterSplit::workerEnded(int index)
{
    Job &job = m_jobs[index];
    if (job.done || m_finished)
        return;
    job.done = true;
    --m_running;
    const QDir dir(m_split.options.outputDir);
    QStringList lines = QString::fromLocal8Bit(job.worker->readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    for (QString &l : lines) {
        if (l.startsWith(QLatin1String("sayora-convert: ")))
            l = l.mid(16);
    }
    Convert::ExitCode code = Convert::workerExitCode(*job.worker);
    // A chapter's command line is this program's own: what the worker
    // finds wrong with it (a folder where the chapter's file belongs) is
    // a failure to write that chapter.
    if (code == Convert::UsageError) {
        code = Convert::RenderFailed;
        if (!lines.isEmpty())
            lines.last().remove(QCoreApplication::translate("Convert", " (see --help)"));
    }
    if (code != Convert::Success) {
        if (m_failedAt < 0 || index < m_failedAt) {
            m_failedAt = index;
            m_failure = code;
            m_failureLine = job.worker->error() == QProcess::FailedToStart
                                ? line(dir.filePath(job.file), tr("the converter could not be started again (%1)")
                                                                   .arg(job.worker->errorString()))
                            : !lines.isEmpty() ? lines.last()
                                               : line(dir.filePath(job.file), tr("the conversion stopped unexpectedly"));
        }
        // The chapters after it are not wanted any more.
        stopWorkers(m_failedAt + 1);
        m_next = int(m_jobs.size());
    } else {
        for (const QString &l : std::as_const(lines)) {
            if (!m_warnings.contains(l)) {
                m_warnings.insert(l);
                emit warned(QStringLiteral("sayora-convert: ") + l);
            }
        }
        // The playlist's durations, from the file as written.
        const QString path = dir.filePath(job.file);
        if (m_split.options.format == Convert::Format::Mp3) {
            Mp3Stream::checkFile(path, &job.seconds);
        } else {
            QString why;
            SoundFileCommit::checkWave(path, &job.seconds, &why);
        }
        job.fraction = 1;
        job.written = true;
        ++m_done;
        emit progressed();
    }
    if (m_failedAt >= 0) {
        // The chapters before the failed one are finished first: they stay.
        for (int i = 0; i < m_failedAt; ++i) {
            if (!m_jobs.at(i).done)
                return;
        }
        int kept = 0;
        while (kept < m_failedAt && m_jobs.at(kept).written)
            ++kept;
        for (int i = kept; i < m_jobs.size(); ++i) {
            if (m_jobs.at(i).written)
                QFile::remove(dir.filePath(m_jobs.at(i).file));
        }
        const QString keptText = kept == 0 ? tr(" No chapter was written.")
                                           : tr(" Chapters 1 to %1 of %2 were written and kept; no playlist was written.")
                                                 .arg(kept)
                                                 .arg(m_jobs.size());
        return fail(m_failure, m_failureLine + keptText);
    }
    if (m_next < m_jobs.size())
        startNext();
    else if (m_running == 0)
        finishBook();
}

void ChapterSplit::finishBook()
{
    const QDir dir(m_split.options.outputDir);
    QList<Chapters::Entry> entries;
    for (int i = 0; i < m_jobs.size(); ++i) {
        entries.append({m_jobs.at(i).file, m_parts.at(i).title, m_jobs.at(i).seconds});
        m_written << dir.filePath(m_jobs.at(i).file);
    }
    m_texts.reset();
    const QString name = Chapters::safeName(m_album, QStringLiteral("playlist")) + QStringLiteral(".m3u8");
    QString why;
    if (!AtomicFile::write(dir.filePath(name), Chapters::playlist(entries), &why))
        return fail(Convert::RenderFailed,
                    line(dir.filePath(name), why) + tr(" The chapters were written; the playlist was not."));
    m_written << dir.filePath(name);
    m_finished = true;
    emit finished();
}

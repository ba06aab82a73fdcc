#include "convert/chapter_split.h"

#include <QCoreApplication>

#include "convert/playlist.h"
#include "convert/sound_length.h"
#include "convert/voice_catalog.h"
#include "convert/worker_stop.h"
#include "export/export_estimate.h"
#include "documents/document_loader.h"
#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

int piecesAtOnce(const QList<qsizetype> &lengths, int index, int workers)
{
    if (workers < 2)
        return 1;
    const qsizetype count = lengths.size();
    if (index >= count - (workers - 1))
        return 0;
    qsizetype total = 0;
    for (const qsizetype length : lengths)
        total += length;
    return lengths.value(index) * workers > total ? 0 : 1;
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
and a playlist "BOOK TITLE.m3u8" in order. --format mp3 (the default),
wav, ogg, opus, flac or m4b; --subtitle-format srt, lrc or vtt (or
--subtitles srt, lrc or vtt) writes "01 Title.srt" ... beside them. A
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

ChapterSplit::ChapterSplit(VoiceCatalog &voices, const Convert::Options &options, QObject *parent)
    : ConvertJob(parent)
    , m_voices(voices)
    , m_options(options)
    , m_pool(new WorkerPool(0, this))
{
    connect(m_pool, &WorkerPool::output, this, [this](int index, const QList<QByteArray> &lines) {
        Job &job = m_jobs[index];
        for (const QByteArray &text : lines) {
            if (double f = 0; Convert::parseDoneLine(text, &f))
                job.fraction = std::max(job.fraction, f);
        }
        emit progressed();
    });
    connect(m_pool, &WorkerPool::ended, this, &ChapterSplit::workerEnded);
    connect(m_pool, &WorkerPool::drained, this, &ChapterSplit::chaptersEnded);
}

ChapterSplit::~ChapterSplit() = default;

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

QString ChapterSplit::label() const
{
    const QString book = m_options.inputs.value(0) == u"-" ? QCoreApplication::translate("Convert", "standard input")
                                                            : QFileInfo(m_options.inputs.value(0)).fileName();
    return QCoreApplication::translate("Convert", "%1: %2 of %n chapters", nullptr, total()).arg(book).arg(m_done);
}

QString ChapterSplit::phase() const
{
    return QCoreApplication::translate("Convert", "reading");
}

QString ChapterSplit::interruptedLine() const
{
    return QCoreApplication::translate("Convert", "interrupted; the chapters finished so far were kept, no playlist was written");
}

void ChapterSplit::fail(Convert::ExitCode code, const QString &why)
{
    if (m_finished)
        return;
    m_pool->stop();
    m_texts.reset();
    m_exitCode = code;
    m_error = why;
    m_finished = true;
    emit finished();
}

void ChapterSplit::interrupt(int signal)
{
    // The chapters' texts go once no worker reads them any more.
    const auto ended = [this] {
        m_texts.reset();
        emit stopped();
    };
    if (WorkerStop *stopping = m_pool->stop(0, signal))
        connect(stopping, &WorkerStop::ended, this, ended);
    else
        QMetaObject::invokeMethod(this, ended, Qt::QueuedConnection);
}

void ChapterSplit::start()
{
    const Convert::Options &o = m_options;
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
        m_options.voice = voice->name;
    }
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
    for (int i = 0; i < total; ++i)
        m_pool->add(i, workerArguments(i));
    emit progressed();
    m_pool->start();
}

// A chapter converted as a single conversion is, reporting as a program's
// child does (not as a batch's worker): it cuts a long chapter into pieces
// of its own.
QStringList ChapterSplit::workerArguments(int index) const
{
    const Job &job = m_jobs.at(index);
    const QDir dir(m_options.outputDir);
    Convert::Options one = m_options;
    one.title = m_parts.at(index).title;
    one.album = m_album;
    one.artist = m_author;
    one.track = index + 1;
    one.total = int(m_jobs.size());
    one.encoding.clear();  // the chapters' texts are in UTF-8
    QStringList arguments = Convert::workerArguments(one);
    arguments.removeAll(QStringLiteral("--report-progress"));
    arguments << QStringLiteral("--progress-lines") << QStringLiteral("--quiet");
    QList<qsizetype> lengths;
    for (const Chapters::Part &part : m_parts)
        lengths.append(part.text.size());
    if (const int jobs = Chapters::piecesAtOnce(lengths, index, m_pool->limit()); jobs > 0)
        arguments << QStringLiteral("--jobs") << QString::number(jobs);
    if (!m_options.subtitleFormat.isEmpty())
        arguments << QStringLiteral("--subtitles")
                  << dir.filePath(QFileInfo(job.file).completeBaseName() + u'.' + m_options.subtitleFormat);
    return arguments << QStringLiteral("--") << job.text << dir.filePath(job.file);
}

void ChapterSplit::workerEnded(int index, const WorkerPool::Ended &result)
{
    Job &job = m_jobs[index];
    if (m_finished)
        return;
    job.done = true;
    const QDir dir(m_options.outputDir);
    QStringList lines = result.lines();
    Convert::ExitCode code = result.code;
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
            m_failureLine = result.failedToStart
                                ? line(dir.filePath(job.file), tr("the converter could not be started again (%1)").arg(result.startError))
                            : !lines.isEmpty() ? lines.last()
                                               : line(dir.filePath(job.file), tr("the conversion stopped unexpectedly"));
        }
        // The chapters after it are not wanted any more; those before it
        // are finished first, and stay.
        m_pool->stop(m_failedAt + 1);
        return;
    }
    for (const QString &l : m_pool->unseen(lines))
        emit warned(QStringLiteral("sayora-convert: ") + l);
    // The playlist's durations, from the file as written.
    SoundLength::seconds(dir.filePath(job.file), m_options.format, &job.seconds);
    job.fraction = 1;
    job.written = true;
    ++m_done;
    emit progressed();
}

// Every chapter that was to be made has ended.
void ChapterSplit::chaptersEnded()
{
    if (m_finished)
        return;
    if (m_failedAt < 0)
        return finishBook();
    const QDir dir(m_options.outputDir);
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
    fail(m_failure, m_failureLine + keptText);
}

void ChapterSplit::finishBook()
{
    const QDir dir(m_options.outputDir);
    QList<Playlist::Entry> entries;
    for (int i = 0; i < m_jobs.size(); ++i) {
        entries.append({m_jobs.at(i).file, m_parts.at(i).title, m_jobs.at(i).seconds});
        m_written << dir.filePath(m_jobs.at(i).file);
    }
    m_texts.reset();
    const QString name = Chapters::safeName(m_album, QStringLiteral("playlist")) + QStringLiteral(".m3u8");
    QString why;
    if (!AtomicFile::write(dir.filePath(name), Playlist::m3u(entries), &why))
        return fail(Convert::RenderFailed,
                    line(dir.filePath(name), why) + tr(" The chapters were written; the playlist was not."));
    m_written << dir.filePath(name);
    m_finished = true;
    emit finished();
}

#include "convert/chapter_split.h"

#include "audio/mp3_stream.h"
#include "convert/batch.h"
#include "convert/conversion.h"
#include "convert/voice_catalog.h"
#include "documents/document_saver.h"
#include "export/mp3_export.h"
#include "documents/rich_text_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

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
    for (const QChar c : title)
        name += c == u'/' || c == u'\\' || c.category() == QChar::Other_Control ? QChar(u' ') : c;
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
        else if (isOption(a, "--subtitles", &value))
            into = &split.subtitles;
        if (!into) {
            rest << a;
            continue;
        }
        if (!a.contains(u'=')) {
            if (i + 1 >= arguments.size())
                return failed(split, QStringLiteral("%1 needs a value").arg(a));
            value = arguments.at(++i);
        }
        *into = value;
    }
    if (how != u"chapters")
        return failed(split, QStringLiteral("--split takes \"chapters\", not \"%1\"").arg(how));
    if (format != u"mp3" && format != u"wav")
        return failed(split, QStringLiteral("--split writes speech: --format takes mp3 or wav, not \"%1\"").arg(format));
    if (!split.subtitles.isEmpty() && split.subtitles != u"srt" && split.subtitles != u"lrc" && split.subtitles != u"vtt")
        return failed(split, QStringLiteral("with --split, --subtitles takes srt, lrc or vtt, not \"%1\"").arg(split.subtitles));

    // The other options are read as for a batch, whose files are the book
    // and the folder here.
    Convert::Options o = Convert::parseOptions(rest + QStringList{QStringLiteral("--output-dir"), QStringLiteral("."),
                                                                  QStringLiteral("--format"), format});
    if (!o.error.isEmpty() || o.mode == Convert::Options::Mode::Help || o.mode == Convert::Options::Mode::Version) {
        split.options = o;
        return split;
    }
    if (o.mode != Convert::Options::Mode::Batch || o.inputs.size() != 2)
        return failed(split, QStringLiteral("--split chapters needs a book and a folder: INPUT DIR"));
    if (o.jobs > 0)
        return failed(split, QStringLiteral("--jobs goes with --output-dir, not --split"));
    o.outputDir = o.inputs.at(1);
    o.inputs = {o.inputs.at(0)};
    split.options = o;
    return split;
}

QString helpText()
{
    return QStringLiteral(R"(
A book, one file per chapter:
       sayora-convert [OPTIONS] --split chapters INPUT DIR
Writes "01 Title.mp3", "02 Title.mp3", ... into DIR, one per chapter (the
table of contents of an EPUB, the outline of a PDF, the top headings of a
DOCX, ODT or HTML file; a text before the first chapter is read with it),
tagged with the chapter, the book's title and author and the track number,
and a playlist "BOOK TITLE.m3u8" in order. --format mp3 (the default) or
wav; --subtitles srt, lrc or vtt writes "01 Title.srt" ... beside them. A
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
}

ChapterSplit::~ChapterSplit()
{
    abort();
}

double ChapterSplit::fraction() const
{
    if (m_parts.isEmpty())
        return 0;
    const double current = m_conversion ? Convert::jobFraction(m_split.options.format, m_conversion->rendered(),
                                                               m_conversion->encoded(), m_conversion->renderShare())
                                        : 0.0;
    return std::min(1.0, (m_done + current) / double(m_parts.size()));
}

void ChapterSplit::fail(Convert::ExitCode code, const QString &why)
{
    if (m_finished)
        return;
    m_exitCode = code;
    m_error = why;
    m_finished = true;
    emit finished();
}

void ChapterSplit::abort()
{
    if (m_conversion) {
        m_conversion->disconnect(this);
        m_conversion->stop();
        delete m_conversion;
        m_conversion = nullptr;
    }
}

void ChapterSplit::start()
{
    const Convert::Options &o = m_split.options;
    const QString input = o.inputs.value(0);
    RichTextBox box;
    if (!box.LoadFile(input))
        return fail(Convert::InputUnreadable, line(input, box.errorString()));
    const Document &document = box.document();
    if (DocumentSaver::exportText(document.text).isEmpty())
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
    if (o.format == Convert::Format::Mp3 && Mp3Export::encoderPath().isEmpty())
        return fail(Convert::RenderFailed, line(o.outputDir, tr("the MP3 encoder \"lame\" is not installed")));
    if (!QDir().mkpath(o.outputDir))
        return fail(Convert::RenderFailed, line(o.outputDir, tr("the folder cannot be created")));
    emit progressed();
    next();
}

void ChapterSplit::next()
{
    const Convert::Options &o = m_split.options;
    const QDir dir(o.outputDir);
    const int total = int(m_parts.size());
    if (m_done == total) {
        const QString name = Chapters::safeName(m_album, QStringLiteral("playlist")) + QStringLiteral(".m3u8");
        QString why;
        if (!DocumentSaver::writeFile(dir.filePath(name), Chapters::playlist(m_entries), &why))
            return fail(Convert::RenderFailed,
                        line(dir.filePath(name), why) + tr(" The chapters were written; the playlist was not."));
        m_written << dir.filePath(name);
        m_finished = true;
        emit finished();
        return;
    }

    const Chapters::Part &part = m_parts.at(m_done);
    const QString file = Chapters::fileName(m_done + 1, total, part.title, Convert::extension(o.format));
    Convert::Options one = o;
    one.output = dir.filePath(file);
    if (!m_split.subtitles.isEmpty())
        one.subtitles = dir.filePath(QFileInfo(file).completeBaseName() + u'.' + m_split.subtitles);
    m_conversion = new Conversion(m_voices, one, this);
    m_conversion->setText(part.text);
    m_conversion->setTags({part.title, m_album, m_author, m_done + 1, total});
    connect(m_conversion, &Conversion::progressed, this, &ChapterSplit::progressed);
    connect(m_conversion, &Conversion::warned, this, &ChapterSplit::warned);
    // Queued: the conversion is done with when its signal has returned.
    connect(m_conversion, &Conversion::finished, this, &ChapterSplit::partDone, Qt::QueuedConnection);
    m_entries.append({file, part.title, 0});
    m_conversion->start();
}

void ChapterSplit::partDone()
{
    if (!m_conversion || m_finished)
        return;  // aborted meanwhile
    Conversion *conversion = std::exchange(m_conversion, nullptr);
    const Convert::ExitCode code = conversion->exitCode();
    const QString error = conversion->error();
    delete conversion;
    const QDir dir(m_split.options.outputDir);
    if (code != Convert::Success) {
        m_entries.removeLast();
        const QString kept = m_done == 0 ? tr(" No chapter was written.")
                                         : tr(" Chapters 1 to %1 of %2 were written and kept; no playlist was written.")
                                               .arg(m_done)
                                               .arg(m_parts.size());
        return fail(code, error + kept);
    }
    // The playlist's durations, from the file as written.
    const QString path = dir.filePath(m_entries.last().file);
    double seconds = 0;
    if (m_split.options.format == Convert::Format::Mp3) {
        Mp3Stream::checkFile(path, &seconds);
    } else {
        QString why;
        Mp3Export::checkWave(path, &seconds, &why);
    }
    m_entries.last().seconds = seconds;
    m_written << path;
    ++m_done;
    emit progressed();
    next();
}

#include "convert/piece_conversion.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "convert/batch.h"
#include "convert/chapter_split.h"
#include "convert/m4b_writer.h"
#include "convert/sound_file_writer.h"
#include "convert/subtitles.h"
#include "convert/worker_stop.h"
#include "export/sound_file_commit.h"
#include "files/atomic_file.h"
#include "export/temporary_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>

#include <csignal>
#include <poll.h>
#include <unistd.h>

#include <taglib/chapterframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>

namespace {

// Whether nobody reads standard output any more: a pipe whose reader has
// gone, a socket shut down.
bool standardOutputClosed()
{
    pollfd out{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)) != 0;
}

// Below this a worker's start costs more than the second core gains.
constexpr qsizetype shortestSplit = 1500;
// The longest piece: its temporary WAV stays near 60 MB at 16 kHz.
constexpr qsizetype longestPiece = 25000;

}  // namespace

int PieceConversion::pieceCount(qsizetype textLength, int workers)
{
    if (workers < 2 || textLength < shortestSplit)
        return 1;
    // Whole rounds of pieces of equal length keep every core busy to the end.
    const qsizetype rounds = (textLength + workers * longestPiece - 1) / (workers * longestPiece);
    return int(std::min<qsizetype>(workers * rounds, textLength / (shortestSplit / 2)));
}

qsizetype PieceConversion::pieceLengthForSplit(const Convert::Options &options)
{
    double minutes = options.splitMinutes > 0 ? options.splitMinutes : 1e9;
    if (options.splitMegabytes > 0) {
        // 22.05 kHz PCM, or the encoders' rates for speech.
        const double kbps = options.format == Convert::Format::Wav ? 352.8 : options.bitrate > 0 ? options.bitrate : 32;
        minutes = std::min(minutes, options.splitMegabytes * 1e6 / (kbps * 1000 / 8 * 60));
    }
    // About 900 characters a minute at the voices' usual rates; three parts
    // to a file put its end within a third of the limit, and leave room for
    // a voice that reads slower than that.
    return std::clamp<qsizetype>(qsizetype(minutes * 900 / 3), 60, longestPiece);
}

int PieceConversion::pieceCountForSplit(qsizetype textLength, int workers, const Convert::Options &options)
{
    Q_UNUSED(workers);
    const qsizetype length = pieceLengthForSplit(options);
    return int(std::max<qsizetype>(1, (textLength + length - 1) / length));
}

QList<qsizetype> PieceConversion::cutsWithin(const QString &text, qsizetype longest)
{
    // Sentences, and a sentence longer than a piece at its clauses (or else
    // its blanks), as the subtitles cut them.
    QList<qsizetype> result;
    qsizetype from = 0, last = 0;
    for (const Subtitles::Span &span : Subtitles::cueSpans(text, longest)) {
        if (span.end - from > longest && last > from) {
            result.append(last);
            from = last;
        }
        last = span.end;
    }
    return result;
}

QList<qsizetype> PieceConversion::cuts(const QString &text, int pieces)
{
    QList<qsizetype> result;
    if (pieces < 2)
        return result;
    // Sentence ends as the subtitles know them, full-width stops included.
    const QList<Subtitles::Span> sentences = Subtitles::cueSpans(text, text.size());
    qsizetype from = 0;
    for (int i = 1; i < pieces; ++i) {
        const qsizetype wanted = text.size() * i / pieces;
        // The first sentence end at or past the share, if it leaves the rest
        // something to say.
        const auto end = std::partition_point(sentences.cbegin(), sentences.cend(), [&](const Subtitles::Span &s) {
            return s.end < wanted || s.end <= from;
        });
        if (end == sentences.cend() || end->end >= sentences.last().end)
            break;
        from = end->end;
        result.append(from);
    }
    return result;
}

PieceConversion::PieceConversion(const Convert::Options &options, const QString &voice, const QString &text,
                                 int pieces, QObject *parent, const QList<Chapters::Mark> &chapters)
    : QObject(parent)
    , m_options(options)
    , m_voice(voice)
    , m_textLength(text.size())
{
    const bool split = options.splitMinutes > 0 || options.splitMegabytes > 0;
    QList<qsizetype> ends;
    if (split) {
        ends = cutsWithin(text, pieceLengthForSplit(options));
    } else if (chapters.isEmpty()) {
        ends = cuts(text, pieces);
    } else {
        // Each chapter its share of the pieces, at least one, so that a
        // chapter starts where a part does.
        for (qsizetype c = 0; c < chapters.size(); ++c) {
            const qsizetype begin = c == 0 ? 0 : chapters.at(c).start;
            const qsizetype end = c + 1 < chapters.size() ? chapters.at(c + 1).start : text.size();
            const int share = std::max(1, int(std::lround(double(pieces) * double(end - begin) / std::max<double>(1, text.size()))));
            m_chapters.append({chapters.at(c).title, int(ends.size())});
            for (const qsizetype cut : cuts(text.mid(begin, end - begin), share))
                ends.append(begin + cut);
            if (c + 1 < chapters.size())
                ends.append(end);
        }
    }
    ends.append(text.size());
    qsizetype from = 0;
    for (const qsizetype cut : std::as_const(ends)) {
        Piece piece;
        piece.text = text.mid(from, cut - from);
        piece.length = piece.text.size();
        m_pieces.append(piece);
        from = cut;
    }
    m_limit = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
}

PieceConversion::~PieceConversion()
{
    stop();
}

double PieceConversion::rendered() const
{
    double sum = 0;
    for (const Piece &piece : m_pieces)
        sum += piece.rendered * double(piece.length);
    return m_textLength > 0 ? sum / double(m_textLength) : 0.0;
}

double PieceConversion::encoded() const
{
    // Sound for the other formats is encoded as the parts are joined.
    if (partFormat(m_options.format) == Convert::Format::Wav)
        return m_joinProgress;
    double sum = 0;
    for (const Piece &piece : m_pieces)
        sum += piece.encoded * double(piece.length);
    return m_textLength > 0 ? sum / double(m_textLength) : 0.0;
}

void PieceConversion::start()
{
    // Beside the output, where the output's own room is.
    // Beside the output, where the output's own room is; for standard
    // output, in the temporary folder.
    const QFileInfo output(m_options.output == u"-" ? QDir::temp().filePath(QStringLiteral("sayora-convert"))
                                                     : m_options.output);
    m_folder = std::make_unique<QTemporaryDir>(output.absolutePath() + QStringLiteral("/.") + output.fileName()
                                               + QStringLiteral(".XXXXXX.parts"));
    m_folderRecord = TemporaryRecord::remember(m_folder->path());
    if (!m_folder->isValid())
        return fail(Convert::RenderFailed, SoundFileCommit::folderProblem(output.absolutePath()));
    const QString extension = Convert::extension(partFormat(m_options.format));
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        Piece &piece = m_pieces[i];
        const QString name = m_folder->filePath(QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')));
        QString why;
        if (!AtomicFile::write(name + QStringLiteral(".txt"), piece.text.toUtf8(), &why))
            return fail(Convert::RenderFailed, why);
        // A book's text is not kept twice while its pieces are read aloud.
        piece.text = QString();
        piece.part = name + u'.' + extension;
        if (!m_options.subtitles.isEmpty())
            piece.subtitles = name + QStringLiteral(".srt");
    }
    while (m_running < m_limit && m_next < m_pieces.size())
        startNext();
}

void PieceConversion::startNext()
{
    const int index = m_next++;
    Piece &piece = m_pieces[index];
    Convert::Options options = m_options;
    options.voice = m_voice;
    options.format = partFormat(m_options.format);
    options.encoding.clear();  // the pieces are in UTF-8
    // The joined file gets its tag; the parts carry none.
    options.title = options.artist = options.album = QString();
    options.track = options.total = 0;
    options.splitMinutes = options.splitMegabytes = 0;
    options.chapterMarks = false;
    QStringList arguments = Convert::workerArguments(options) << QStringLiteral("--piece");
    if (!piece.subtitles.isEmpty())
        arguments << QStringLiteral("--subtitles") << piece.subtitles;
    arguments << QStringLiteral("--") << QFileInfo(piece.part).path() + u'/' + QFileInfo(piece.part).completeBaseName()
                     + QStringLiteral(".txt")
              << piece.part;
    QProcess *worker = Convert::newWorker(arguments, this);
    piece.worker = worker;
    connect(worker, &QProcess::readyReadStandardOutput, this, [this, index] { readProgress(m_pieces[index]); });
    connect(worker, &QProcess::finished, this, [this, index] { workerEnded(m_pieces[index]); });
    connect(worker, &QProcess::errorOccurred, this, [this, index](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            workerEnded(m_pieces[index]);
    });
    ++m_running;
    worker->start();
}

void PieceConversion::readProgress(Piece &piece)
{
    while (piece.worker->canReadLine())
        Convert::parseProgressLine(piece.worker->readLine(), &piece.rendered, &piece.encoded);
    emit progressed();
}

void PieceConversion::workerEnded(Piece &piece)
{
    if (piece.done || m_finished)
        return;
    piece.done = true;
    --m_running;
    QProcess *worker = piece.worker;
    // A worker names its own files: the reason is what follows them.
    QStringList lines = QString::fromLocal8Bit(worker->readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines) {
        for (const QString &file : {piece.part, piece.subtitles, QFileInfo(piece.part).completeBaseName()}) {
            if (const qsizetype at = file.isEmpty() ? -1 : line.indexOf(file + QStringLiteral(": ")); at >= 0)
                line = line.mid(at + file.size() + 2);
        }
        if (line.startsWith(QLatin1String("sayora-convert: ")))
            line = line.mid(16);
    }
    const Convert::ExitCode code = Convert::workerExitCode(*worker);
    if (code != Convert::Success) {
        const QString why = worker->error() == QProcess::FailedToStart
                                ? tr("the converter could not be started again (%1)").arg(worker->errorString())
                                : !lines.isEmpty() ? lines.last()
                                                   : tr("the conversion stopped unexpectedly");
        return fail(code, why);
    }
    // Warnings every worker gives alike (a rules file's bad lines) are
    // passed on once.
    for (const QString &line : std::as_const(lines)) {
        if (!m_warnings.contains(line)) {
            m_warnings.insert(line);
            emit warned(QStringLiteral("sayora-convert: ") + line);
        }
    }
    piece.rendered = piece.encoded = 1;
    emit progressed();
    // Nobody reads any more: the rest is not read aloud for nothing.
    if (m_options.output == u"-" && standardOutputClosed())
        return end();
    if (m_next < m_pieces.size())
        startNext();
    else if (m_running == 0)
        join();
}

namespace {

bool soundFileFormat(Convert::Format format)
{
    return format == Convert::Format::Ogg || format == Convert::Format::Opus || format == Convert::Format::Flac
           || format == Convert::Format::M4b;
}

}  // namespace

// What a worker makes of its piece: the output's own encoding where parts
// join without encoding again, else the rendered sound.
Convert::Format PieceConversion::partFormat(Convert::Format format)
{
    return format == Convert::Format::Mp3 || format == Convert::Format::M4b ? format : Convert::Format::Wav;
}

bool PieceConversion::needsWorkers(Convert::Format format)
{
    return soundFileFormat(format);
}

// The tag of a joined MP3, which its parts do not carry (a file of a split
// is known only once its parts are), with its chapter marks. ID3v2.4 in
// UTF-16, as lame writes it.
bool PieceConversion::writeId3(const QString &path, const Convert::Options &options,
                               const QList<ChapterStart> &chapters, const Joined &joined)
{
    if (options.title.trimmed().isEmpty() && options.album.trimmed().isEmpty() && options.artist.trimmed().isEmpty()
        && options.track <= 0 && chapters.isEmpty())
        return true;
    TagLib::ID3v2::FrameFactory::instance()->setDefaultTextEncoding(TagLib::String::UTF16);
    TagLib::MPEG::File file(QFile::encodeName(path).constData());
    TagLib::ID3v2::Tag *tag = file.isValid() ? file.ID3v2Tag(true) : nullptr;
    if (!tag)
        return false;
    const auto text = [](const QString &value) { return TagLib::String(value.simplified().toStdString(), TagLib::String::UTF8); };
    tag->setTitle(text(options.title));
    tag->setAlbum(text(options.album));
    tag->setArtist(text(options.artist));
    if (options.track > 0) {
        auto *frame = new TagLib::ID3v2::TextIdentificationFrame("TRCK", TagLib::String::UTF16);
        frame->setText(text(options.total > 0 ? QStringLiteral("%1/%2").arg(options.track).arg(options.total)
                                              : QString::number(options.track)));
        tag->removeFrames("TRCK");
        tag->addFrame(frame);
    }
    // A chapter frame for each chapter, with its title, and the table of
    // contents that orders them: what audiobook players list.
    const auto milliseconds = [](double seconds) { return uint(std::lround(std::max(0.0, seconds) * 1000.0)); };
    TagLib::ByteVectorList children;
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const TagLib::ByteVector id(QByteArray("chp" + QByteArray::number(i)).constData());
        const double start = i == 0 ? 0.0 : joined.starts.value(chapters.at(i).firstPart);
        const double end = i + 1 < chapters.size() ? joined.starts.value(chapters.at(i + 1).firstPart) : joined.seconds;
        auto *title = new TagLib::ID3v2::TextIdentificationFrame("TIT2", TagLib::String::UTF16);
        title->setText(text(chapters.at(i).title));
        TagLib::ID3v2::FrameList embedded;
        embedded.append(title);
        tag->addFrame(new TagLib::ID3v2::ChapterFrame(id, milliseconds(start), milliseconds(end), 0xFFFFFFFF,
                                                      0xFFFFFFFF, embedded));
        children.append(id);
    }
    if (!chapters.isEmpty()) {
        auto *contents = new TagLib::ID3v2::TableOfContentsFrame(TagLib::ByteVector("toc"), children);
        contents->setIsTopLevel(true);
        contents->setIsOrdered(true);
        tag->addFrame(contents);
    }
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
}

// On a thread of its own: the parts of a book take a while to encode, and
// an interrupt must still be heard meanwhile.
PieceConversion::Joined PieceConversion::joinParts(const QStringList &parts, const Convert::Options &options,
                                                   const QString &into, const QList<ChapterStart> &chapters,
                                                   const std::atomic<bool> &stop, std::atomic<double> &progress)
{
    Joined joined;
    const auto fail = [&joined, &into](const QString &why) {
        const QString full = SoundFileCommit::diskFull(into);
        joined.error = !full.isEmpty() ? full : why;
        return joined;
    };
    if (options.format == Convert::Format::Mp3) {
        Mp3Stream::Joiner joiner(into);
        for (const QString &path : parts) {
            QFile part(path);
            double start = 0;
            if (stop || !part.open(QIODevice::ReadOnly) || !joiner.append(part.readAll(), &start))
                return fail(tr("the parts could not be joined: %1").arg(joiner.errorString()));
            joined.starts.append(start);
            progress = double(joined.starts.size()) / double(parts.size());
        }
        if (!joiner.finish())
            return fail(joiner.errorString());
        joined.seconds = joiner.seconds();
        if (options.output != u"-" && !writeId3(into, options, chapters, joined))
            return fail(tr("the MP3's tag could not be written"));
        return joined;
    }

    // "3" or "3/12".
    const QString track = options.track <= 0 ? QString()
                          : options.total > 0 ? QStringLiteral("%1/%2").arg(options.track).arg(options.total)
                                              : QString::number(options.track);
    if (options.format == Convert::Format::M4b) {
        M4bWriter book(into, M4bWriter::Tags{options.title, options.artist, options.album, track});
        for (const QString &path : parts) {
            double start = 0;
            if (stop || !book.appendPart(path, &start))
                return fail(tr("the parts could not be joined: %1").arg(book.errorString()));
            joined.starts.append(start);
            progress = double(joined.starts.size()) / double(parts.size());
        }
        QList<M4bWriter::Chapter> marks;
        for (const ChapterStart &chapter : chapters)
            marks.append({chapter.title, joined.starts.value(chapter.firstPart)});
        book.setChapters(marks);
        if (!book.finish())
            return fail(book.errorString());
        joined.seconds = book.seconds();
        return joined;
    }

    // The others from the parts' sound, in slices: a part of a book is large.
    qint64 total = 0, done = 0;
    QList<WaveFile::Info> waves;
    for (const QString &path : parts) {
        waves.append(WaveFile::readFile(path));
        const WaveFile::Info &info = waves.last();
        if (!info.valid || info.channels != 1 || info.sampleRate != waves.first().sampleRate)
            return fail(tr("the parts could not be joined"));
        total += info.dataBytes;
    }
    const int rate = waves.first().sampleRate;
    std::unique_ptr<SoundFileWriter> writer;
    QFile wave(into);
    if (options.format == Convert::Format::Wav) {
        if (total > 0xFFFFFFFFLL - 36)
            return fail(tr("the speech is longer than the 4 GB a WAV file can hold; convert it to MP3, or in parts"));
        if (!wave.open(QIODevice::WriteOnly | QIODevice::Truncate) || wave.write(WaveFile::header(rate, total)) != WaveFile::headerBytes)
            return fail(wave.errorString());
    } else {
        const SoundFileWriter::Codec codec = options.format == Convert::Format::Flac ? SoundFileWriter::Codec::Flac
                                             : options.format == Convert::Format::Opus ? SoundFileWriter::Codec::Opus
                                                                                        : SoundFileWriter::Codec::Vorbis;
        // Some seconds of the speech, for Vorbis to be aimed at the rate.
        QByteArray sample;
        for (const QString &path : parts) {
            QFile part(path);
            const qint64 wanted = qint64(rate) * 2 * 30 - sample.size();
            if (wanted <= 0 || !part.open(QIODevice::ReadOnly) || !part.seek(WaveFile::headerBytes))
                break;
            sample += part.read(wanted);
        }
        writer = std::make_unique<SoundFileWriter>(into, codec, rate, options.bitrate,
                                                   SoundFileWriter::Tags{options.title, options.artist, options.album, track},
                                                   codec == SoundFileWriter::Codec::Vorbis && options.bitrate > 0 ? sample
                                                                                                                   : QByteArray());
        if (!writer->isOpen())
            return fail(writer->errorString());
        joined.note = writer->bitrateNote(options.bitrate);
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        joined.starts.append(double(done) / (2.0 * rate));
        QFile part(parts.at(i));
        if (!part.open(QIODevice::ReadOnly) || !part.seek(WaveFile::headerBytes))
            return fail(part.errorString());
        for (qint64 left = waves.at(i).dataBytes; left > 0;) {
            const QByteArray slice = part.read(std::min<qint64>(left, 1 << 20) & ~qint64(1));
            if (stop || slice.isEmpty())
                return fail(tr("the parts could not be joined"));
            const auto *samples = reinterpret_cast<const qint16 *>(slice.constData());
            const bool written = writer ? writer->write(samples, slice.size() / 2) : wave.write(slice) == slice.size();
            if (!written)
                return fail(writer ? writer->errorString() : wave.errorString());
            left -= slice.size();
            done += slice.size();
            progress = double(done) / double(std::max<qint64>(1, total));
        }
    }
    if (writer ? !writer->finish() : !wave.flush()) {
        return fail(writer ? writer->errorString() : wave.errorString());
    }
    joined.seconds = double(total) / (2.0 * rate);
    return joined;
}

// Where a split output's files go: "NAME 01.mp3", … beside the output's
// name, with as many digits as the count needs.
QString PieceConversion::splitName(const QString &output, int number, int count, const QString &extension)
{
    const QFileInfo info(output);
    const int digits = std::max(2, int(QString::number(count).size()));
    return info.dir().filePath(QStringLiteral("%1 %2.%3").arg(info.completeBaseName()).arg(number, digits, 10, QLatin1Char('0')).arg(extension));
}

void PieceConversion::planFiles()
{
    m_files.clear();
    const bool split = m_options.splitMinutes > 0 || m_options.splitMegabytes > 0;
    if (!split) {
        File all{m_options.output, m_options.subtitles, {}, nullptr};
        for (qsizetype i = 0; i < m_pieces.size(); ++i)
            all.pieces.append(int(i));
        m_files.append(all);
        return;
    }
    // Whole parts to a file, each file as long as the limit allows (and at
    // least one part): the files end where parts end, at a sentence's end.
    const double limitSeconds = m_options.splitMinutes * 60.0;
    const qint64 limitBytes = qint64(m_options.splitMegabytes) * 1000 * 1000;
    double seconds = 0;
    qint64 bytes = 0;
    QList<int> oversized;
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        double partSeconds = 0;
        if (partFormat(m_options.format) == Convert::Format::Wav) {
            partSeconds = WaveFile::readFile(m_pieces.at(i).part).seconds();
        } else {
            Mp3Stream::checkFile(m_pieces.at(i).part, &partSeconds);
        }
        const qint64 partBytes = QFileInfo(m_pieces.at(i).part).size();
        const bool full = (limitSeconds > 0 && seconds + partSeconds > limitSeconds)
                          || (limitBytes > 0 && bytes + partBytes > limitBytes);
        if (m_files.isEmpty() || (full && !m_files.last().pieces.isEmpty())) {
            m_files.append(File());
            seconds = 0;
            bytes = 0;
        }
        m_files.last().pieces.append(int(i));
        seconds += partSeconds;
        bytes += partBytes;
        // A part alone over the limit: its one sentence (or clause) could
        // not be cut shorter.
        if ((limitSeconds > 0 && partSeconds > limitSeconds) || (limitBytes > 0 && partBytes > limitBytes))
            oversized.append(int(m_files.size() - 1));
    }
    const int count = int(m_files.size());
    const QString subtitleKind = QFileInfo(m_options.subtitles).suffix();
    for (int i = 0; i < count; ++i) {
        m_files[i].output = splitName(m_options.output, i + 1, count, Convert::extension(m_options.format));
        if (!m_options.subtitles.isEmpty())
            m_files[i].subtitles = splitName(m_options.subtitles, i + 1, count, subtitleKind);
    }
    for (const int file : std::as_const(oversized))
        emit warned(tr("sayora-convert: %1 is over the limit: a sentence in it is longer than the limit and cannot be cut")
                        .arg(m_files.at(file).output));
}

QStringList PieceConversion::partsOf(const File &file) const
{
    QStringList parts;
    for (const int piece : file.pieces)
        parts << m_pieces.at(piece).part;
    return parts;
}

Convert::Options PieceConversion::optionsForFile(int index) const
{
    Convert::Options options = m_options;
    if (m_files.size() > 1 || m_options.splitMinutes > 0 || m_options.splitMegabytes > 0) {
        // Tracks of one album, as a player lists them.
        const QString name = QFileInfo(m_options.output).completeBaseName();
        if (options.album.isEmpty())
            options.album = options.title.isEmpty() ? name : options.title;
        options.title = QFileInfo(m_files.at(index).output).completeBaseName();
        options.track = index + 1;
        options.total = int(m_files.size());
    }
    return options;
}

void PieceConversion::join()
{
    planFiles();
    QList<std::pair<QStringList, QString>> jobs;
    for (File &file : m_files) {
        if (file.output == u"-") {
            jobs.append({partsOf(file), QStringLiteral("/dev/stdout")});
            continue;
        }
        file.export_ = new SoundFileCommit(this);
        // The joined file is made where the encoder's would be.
        if (!file.export_->prepare(file.output, m_options.format != Convert::Format::Wav))
            return fail(Convert::RenderFailed, file.export_->errorString());
        jobs.append({partsOf(file), m_options.format == Convert::Format::Wav ? file.export_->tmpWav() : file.export_->tmpEncoded()});
    }
    QList<Convert::Options> options;
    for (int i = 0; i < m_files.size(); ++i)
        options.append(optionsForFile(i));
    m_stopJoining = false;
    m_joined.clear();
    // Chapter marks go with one file, never a split.
    const QList<ChapterStart> chapters = m_files.size() == 1 ? m_chapters : QList<ChapterStart>();
    m_joinThread = QThread::create([this, jobs, options, chapters] {
        for (qsizetype i = 0; i < jobs.size() && !m_stopJoining; ++i) {
            m_joined.append(joinParts(jobs.at(i).first, options.at(i), jobs.at(i).second, chapters, m_stopJoining,
                                      m_joinProgress));
            if (!m_joined.last().error.isEmpty())
                break;
        }
    });
    connect(m_joinThread, &QThread::finished, this, &PieceConversion::joined);
    m_joinThread->start();
}

void PieceConversion::joined()
{
    delete std::exchange(m_joinThread, nullptr);
    for (const Joined &joined : std::as_const(m_joined)) {
        if (!joined.note.isEmpty() && !m_warnings.contains(joined.note)) {
            m_warnings.insert(joined.note);
            emit warned(QStringLiteral("sayora-convert: %1: %2.").arg(m_options.output, joined.note));
        }
        // A reader that has read all it wanted (head) closes the pipe: an
        // ordinary end, not a failure.
        if (!joined.error.isEmpty() && m_options.output == u"-" && standardOutputClosed())
            return end();
        if (!joined.error.isEmpty())
            return fail(Convert::RenderFailed, joined.error);
    }
    if (m_joined.size() != m_files.size())
        return fail(Convert::RenderFailed, tr("the parts could not be joined"));
    QList<Chapters::Entry> entries;
    for (qsizetype f = 0; f < m_files.size(); ++f) {
        const File &file = m_files.at(f);
        const Joined &joined = m_joined.at(f);
        SoundFileCommit *made = file.export_;
        const bool kept = !made || (m_options.format == Convert::Format::Mp3   ? made->keepMp3(joined.seconds)
                                    : m_options.format == Convert::Format::Wav ? made->keepWave()
                                                                               : made->keepEncoded());
        if (!kept)
            return fail(Convert::RenderFailed, made->errorString());
        entries.append({QFileInfo(file.output).fileName(), optionsForFile(int(f)).title, joined.seconds});
        if (file.subtitles.isEmpty())
            continue;
        if (const QString why = joinSubtitles(file, joined); !why.isEmpty())
            return fail(Convert::RenderFailed, why);
    }
    if (m_options.splitMinutes > 0 || m_options.splitMegabytes > 0) {
        const QFileInfo output(m_options.output);
        const QString playlist = output.dir().filePath(output.completeBaseName() + QStringLiteral(".m3u"));
        if (QString why; !AtomicFile::write(playlist, Chapters::playlist(entries), &why))
            return fail(Convert::RenderFailed, why);
    }
    end();
}

QString PieceConversion::joinSubtitles(const File &file, const Joined &joined) const
{
    // A part at a time: a book's subtitles never stand whole in memory.
    Subtitles::Kind kind = Subtitles::Kind::Srt;
    Subtitles::kindForName(file.subtitles, &kind);
    Subtitles::Writer writer(kind);
    AtomicFile out(file.subtitles);
    if (!out.open())
        return out.reason();
    for (qsizetype i = 0; i < file.pieces.size(); ++i) {
        QFile part(m_pieces.at(file.pieces.at(i)).subtitles);
        QList<Subtitles::Cue> cues;
        if (!part.open(QIODevice::ReadOnly) || !Subtitles::readSrt(part.readAll(), &cues))
            return tr("the subtitles of a part cannot be read");
        for (Subtitles::Cue &cue : cues) {
            cue.start += joined.starts.value(i);
            cue.end += joined.starts.value(i);
        }
        // The last cue lasts as long as the sound.
        if (i == file.pieces.size() - 1 && !cues.isEmpty())
            cues.last().end = std::max(cues.last().end, joined.seconds);
        if (!out.write(writer.add(cues)))
            return out.reason();
    }
    if (!out.write(writer.finish()) || !out.commit())
        return out.reason();
    return {};
}

void PieceConversion::fail(Convert::ExitCode code, const QString &why)
{
    if (m_finished)
        return;
    m_exitCode = code;
    m_error = why;
    end();
}

void PieceConversion::end()
{
    stop();
    m_finished = true;
    emit finished();
}

void PieceConversion::stop()
{
    // A worker removes its own temporaries when told to end; all are told
    // at once, and the folder of parts goes once the last has ended.
    QList<QProcess *> workers;
    for (Piece &piece : m_pieces)
        workers << std::exchange(piece.worker, nullptr);
    std::shared_ptr<QTemporaryDir> folder(std::move(m_folder));
    auto removeFolder = [folder, record = std::exchange(m_folderRecord, QString())]() mutable {
        folder.reset();
        TemporaryRecord::forget(record);
    };
    if (WorkerStop *stopping = WorkerStop::stop(workers, SIGTERM)) {
        m_stopping = true;
        connect(stopping, &WorkerStop::ended, stopping, removeFolder);
        connect(stopping, &WorkerStop::ended, this, [this] {
            m_stopping = false;
            emit stopped();
        });
    } else {
        removeFolder();
    }
    if (m_joinThread) {
        m_stopJoining = true;
        m_joinThread->disconnect(this);
        m_joinThread->wait();
        delete std::exchange(m_joinThread, nullptr);
    }
    for (File &file : m_files) {
        if (file.export_)
            file.export_->cancel();
    }
}

#include "convert/piece_conversion.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "convert/m4b_writer.h"
#include "export/mp3_tag.h"
#include "convert/playlist.h"
#include "convert/sound_file_writer.h"
#include "convert/sound_length.h"
#include "convert/subtitles.h"
#include "convert/worker_stop.h"
#include "export/sound_file_commit.h"
#include "export/temporary_record.h"
#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>

#include <poll.h>
#include <unistd.h>

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
    m_pool = new WorkerPool(options.jobs, this);
    connect(m_pool, &WorkerPool::output, this, [this](int index, const QList<QByteArray> &lines) {
        Piece &piece = m_pieces[index];
        for (const QByteArray &line : lines)
            Convert::parseProgressLine(line, &piece.rendered, &piece.encoded);
        emit progressed();
    });
    connect(m_pool, &WorkerPool::ended, this, &PieceConversion::workerEnded);
    connect(m_pool, &WorkerPool::drained, this, [this] {
        if (!m_finished)
            join();
    });
}

PieceConversion::~PieceConversion()
{
    stop();
    if (m_loading) {
        m_loading->wait();
        delete m_loading;
    }
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
    for (int i = 0; i < m_pieces.size(); ++i)
        m_pool->add(i, workerArguments(i));
    m_pool->start();
    // FFmpeg's libraries take a tenth of a second to load: not once the
    // book is otherwise done.
    if (m_options.format == Convert::Format::M4b) {
        m_loading = QThread::create(&M4bWriter::load);
        m_loading->start();
    }
}

QStringList PieceConversion::workerArguments(int index) const
{
    const Piece &piece = m_pieces.at(index);
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
    return arguments << QStringLiteral("--")
                     << QFileInfo(piece.part).path() + u'/' + QFileInfo(piece.part).completeBaseName() + QStringLiteral(".txt")
                     << piece.part;
}

void PieceConversion::workerEnded(int index, const WorkerPool::Ended &result)
{
    if (m_finished)
        return;
    Piece &piece = m_pieces[index];
    // A worker names its own files: the reason is what follows them.
    QStringList lines = result.lines();
    for (QString &line : lines) {
        for (const QString &file : {piece.part, piece.subtitles, QFileInfo(piece.part).completeBaseName()}) {
            if (const qsizetype at = file.isEmpty() ? -1 : line.indexOf(file + QStringLiteral(": ")); at >= 0)
                line = line.mid(at + file.size() + 2);
        }
    }
    if (result.code != Convert::Success) {
        const QString why = result.failedToStart ? tr("the converter could not be started again (%1)").arg(result.startError)
                            : !lines.isEmpty()   ? lines.last()
                                                 : tr("the conversion stopped unexpectedly");
        return fail(result.code, why);
    }
    for (const QString &line : m_pool->unseen(lines))
        emit warned(QStringLiteral("sayora-convert: ") + line);
    piece.rendered = piece.encoded = 1;
    emit progressed();
    // Nobody reads any more: the rest is not read aloud for nothing.
    if (m_options.output == u"-" && standardOutputClosed())
        return end();
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

// The tag of a joined MP3, with the chapter marks of a book.
bool PieceConversion::writeTag(const QString &path, const Convert::Options &options, const QList<ChapterStart> &chapters,
                               const Joined &joined)
{
    QList<Mp3Tag::Chapter> marks;
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const double start = i == 0 ? 0.0 : joined.starts.value(chapters.at(i).firstPart);
        const double end = i + 1 < chapters.size() ? joined.starts.value(chapters.at(i + 1).firstPart) : joined.seconds;
        marks.append({chapters.at(i).title, start, end});
    }
    return Mp3Tag::write(path, {options.title, options.album, options.artist, options.track, options.total}, marks);
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
        if (options.output != u"-" && !writeTag(into, options, chapters, joined))
            return fail(tr("the MP3's tag could not be written"));
        return joined;
    }

    // "3" or "3/12".
    const QString track = options.track <= 0 ? QString()
                          : options.total > 0 ? QStringLiteral("%1/%2").arg(options.track).arg(options.total)
                                              : QString::number(options.track);
    if (options.format == Convert::Format::M4b) {
        const std::unique_ptr<M4bWriter> book = M4bWriter::create(into, {options.title, options.artist, options.album, track});
        for (const QString &path : parts) {
            double start = 0;
            if (stop || !book->appendPart(path, &start))
                return fail(tr("the parts could not be joined: %1").arg(book->errorString()));
            joined.starts.append(start);
            progress = double(joined.starts.size()) / double(parts.size());
        }
        QList<M4bWriter::Chapter> marks;
        for (const ChapterStart &chapter : chapters)
            marks.append({chapter.title, joined.starts.value(chapter.firstPart)});
        book->setChapters(marks);
        if (!book->finish())
            return fail(book->errorString());
        joined.seconds = book->seconds();
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
        SoundLength::seconds(m_pieces.at(i).part, partFormat(m_options.format), &partSeconds);
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
        if (!joined.note.isEmpty() && !m_pool->unseen({joined.note}).isEmpty())
            emit warned(QStringLiteral("sayora-convert: %1: %2.").arg(m_options.output, joined.note));
        // A reader that has read all it wanted (head) closes the pipe: an
        // ordinary end, not a failure.
        if (!joined.error.isEmpty() && m_options.output == u"-" && standardOutputClosed())
            return end();
        if (!joined.error.isEmpty())
            return fail(Convert::RenderFailed, joined.error);
    }
    if (m_joined.size() != m_files.size())
        return fail(Convert::RenderFailed, tr("the parts could not be joined"));
    QList<Playlist::Entry> entries;
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
        QStringList parts;
        for (const int piece : file.pieces)
            parts << m_pieces.at(piece).subtitles;
        if (const QString why = Subtitles::join(parts, joined.starts, joined.seconds, file.subtitles); !why.isEmpty())
            return fail(Convert::RenderFailed, why);
    }
    if (m_options.splitMinutes > 0 || m_options.splitMegabytes > 0) {
        const QFileInfo output(m_options.output);
        const QString playlist = output.dir().filePath(output.completeBaseName() + QStringLiteral(".m3u"));
        if (QString why; !AtomicFile::write(playlist, Playlist::m3u(entries), &why))
            return fail(Convert::RenderFailed, why);
    }
    end();
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
    std::shared_ptr<QTemporaryDir> folder(std::move(m_folder));
    auto removeFolder = [folder, record = std::exchange(m_folderRecord, QString())]() mutable {
        folder.reset();
        TemporaryRecord::forget(record);
    };
    if (WorkerStop *stopping = m_pool->stop()) {
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

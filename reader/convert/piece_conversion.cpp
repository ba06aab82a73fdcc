#include "convert/piece_conversion.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "convert/batch.h"
#include "convert/sound_file_writer.h"
#include "convert/subtitles.h"
#include "documents/document_saver.h"
#include "documents/mp3_export.h"

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

namespace {

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
        auto end = std::find_if(sentences.cbegin(), sentences.cend(),
                                [&](const Subtitles::Span &s) { return s.end >= wanted && s.end > from; });
        if (end == sentences.cend() || end->end >= sentences.last().end)
            break;
        from = end->end;
        result.append(from);
    }
    return result;
}

PieceConversion::PieceConversion(const Convert::Options &options, const QString &voice, const QString &text,
                                 int pieces, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_voice(voice)
    , m_textLength(text.size())
{
    QList<qsizetype> ends = cuts(text, pieces);
    ends.append(text.size());
    qsizetype from = 0;
    for (const qsizetype cut : std::as_const(ends)) {
        Piece piece;
        piece.text = text.mid(from, cut - from);
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
        sum += piece.rendered * double(piece.text.size());
    return m_textLength > 0 ? sum / double(m_textLength) : 0.0;
}

double PieceConversion::encoded() const
{
    // Sound for the other formats is encoded as the parts are joined.
    if (partsAreWaves(m_options.format))
        return m_joinProgress;
    double sum = 0;
    for (const Piece &piece : m_pieces)
        sum += piece.encoded * double(piece.text.size());
    return m_textLength > 0 ? sum / double(m_textLength) : 0.0;
}

void PieceConversion::start()
{
    // Beside the output, where the output's own room is.
    const QFileInfo output(m_options.output);
    m_folder = std::make_unique<QTemporaryDir>(output.absolutePath() + QStringLiteral("/.") + output.fileName()
                                               + QStringLiteral(".XXXXXX.parts"));
    if (!m_folder->isValid())
        return fail(Convert::RenderFailed, tr("the folder %1 cannot be written to").arg(output.absolutePath()));
    const QString extension = partsAreWaves(m_options.format) ? QStringLiteral("wav") : QStringLiteral("mp3");
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        Piece &piece = m_pieces[i];
        const QString name = m_folder->filePath(QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')));
        QString why;
        if (!DocumentSaver::writeFile(name + QStringLiteral(".txt"), piece.text.toUtf8(), &why))
            return fail(Convert::RenderFailed, why);
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
    options.format = partsAreWaves(m_options.format) ? Convert::Format::Wav : Convert::Format::Mp3;
    options.encoding.clear();  // the pieces are in UTF-8
    // The first part's tag is the file's.
    if (index > 0) {
        options.title = options.artist = options.album = QString();
        options.track = options.total = 0;
    }
    QStringList arguments = Convert::workerArguments(options);
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
    if (m_next < m_pieces.size())
        startNext();
    else if (m_running == 0)
        join();
}

namespace {

bool soundFileFormat(Convert::Format format)
{
    return format == Convert::Format::Ogg || format == Convert::Format::Opus || format == Convert::Format::Flac;
}

}  // namespace

bool PieceConversion::partsAreWaves(Convert::Format format)
{
    return format != Convert::Format::Mp3;
}

bool PieceConversion::needsWorkers(Convert::Format format)
{
    return soundFileFormat(format);
}

// On a thread of its own: the parts of a book take a while to encode, and
// an interrupt must still be heard meanwhile.
PieceConversion::Joined PieceConversion::joinParts(const QStringList &parts, const Convert::Options &options,
                                                   const QString &into, const std::atomic<bool> &stop,
                                                   std::atomic<double> &progress)
{
    Joined joined;
    const auto fail = [&joined, &into](const QString &why) {
        const QString full = Mp3Export::diskFull(into);
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
        const QString track = options.track <= 0 ? QString()
                              : options.total > 0 ? QStringLiteral("%1/%2").arg(options.track).arg(options.total)
                                                  : QString::number(options.track);
        writer = std::make_unique<SoundFileWriter>(into, codec, rate, options.bitrate,
                                                   SoundFileWriter::Tags{options.title, options.artist, options.album, track});
        if (!writer->isOpen())
            return fail(writer->errorString());
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
            const bool written = writer ? writer->write(reinterpret_cast<const qint16 *>(slice.constData()), slice.size() / 2)
                                        : wave.write(slice) == slice.size();
            if (!written)
                return fail(writer ? writer->errorString() : wave.errorString());
            left -= slice.size();
            done += slice.size();
            progress = double(done) / double(std::max<qint64>(1, total));
        }
    }
    if (writer ? !writer->finish() : !wave.flush())
        return fail(writer ? writer->errorString() : wave.errorString());
    joined.seconds = double(total) / (2.0 * rate);
    return joined;
}

void PieceConversion::join()
{
    m_export = new Mp3Export(this);
    // The joined file is made where the encoder's would be.
    if (!m_export->prepare(m_options.output, m_options.format != Convert::Format::Wav))
        return fail(Convert::RenderFailed, m_export->errorString());
    QStringList parts;
    for (const Piece &piece : std::as_const(m_pieces))
        parts << piece.part;
    const QString into = m_options.format == Convert::Format::Wav ? m_export->tmpWav() : m_export->tmpMp3();
    m_stopJoining = false;
    m_joinThread = QThread::create([this, parts, into] {
        m_joined = joinParts(parts, m_options, into, m_stopJoining, m_joinProgress);
    });
    connect(m_joinThread, &QThread::finished, this, &PieceConversion::joined);
    m_joinThread->start();
}

void PieceConversion::joined()
{
    delete std::exchange(m_joinThread, nullptr);
    if (!m_joined.error.isEmpty())
        return fail(Convert::RenderFailed, m_joined.error);
    const bool kept = m_options.format == Convert::Format::Mp3   ? m_export->keepMp3(m_joined.seconds)
                      : m_options.format == Convert::Format::Wav ? m_export->keepWave()
                                                                 : m_export->keepEncoded();
    if (!kept)
        return fail(Convert::RenderFailed, m_export->errorString());
    if (!m_options.subtitles.isEmpty()) {
        QList<Subtitles::Cue> cues;
        for (qsizetype i = 0; i < m_pieces.size(); ++i) {
            QFile file(m_pieces.at(i).subtitles);
            QList<Subtitles::Cue> own;
            if (!file.open(QIODevice::ReadOnly) || !Subtitles::readSrt(file.readAll(), &own))
                return fail(Convert::RenderFailed, tr("the subtitles of a part cannot be read"));
            for (Subtitles::Cue &cue : own) {
                cue.start += m_joined.starts.value(i);
                cue.end += m_joined.starts.value(i);
                cues.append(cue);
            }
        }
        if (!cues.isEmpty())
            cues.last().end = std::max(cues.last().end, m_joined.seconds);
        Subtitles::Kind kind = Subtitles::Kind::Srt;
        Subtitles::kindForName(m_options.subtitles, &kind);
        if (QString why; !DocumentSaver::writeFile(m_options.subtitles, Subtitles::write(cues, kind), &why))
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
    for (Piece &piece : m_pieces) {
        if (piece.worker && piece.worker->state() != QProcess::NotRunning) {
            piece.worker->disconnect(this);
            // A worker removes its own temporaries when told to end.
            ::kill(pid_t(piece.worker->processId()), SIGTERM);
        }
    }
    for (Piece &piece : m_pieces) {
        if (piece.worker && piece.worker->state() != QProcess::NotRunning && !piece.worker->waitForFinished(10000))
            piece.worker->kill();
    }
    if (m_joinThread) {
        m_stopJoining = true;
        m_joinThread->disconnect(this);
        m_joinThread->wait();
        delete std::exchange(m_joinThread, nullptr);
    }
    if (m_export)
        m_export->cancel();
    m_folder.reset();
}

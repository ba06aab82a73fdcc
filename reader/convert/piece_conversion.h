#pragma once

#include "convert/chapter_split.h"
#include "convert/convert_options.h"
#include "convert/worker_pool.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <atomic>
#include <memory>

class SoundFileCommit;
class QTemporaryDir;
class QThread;

// One long text converted piece by piece by the workers of a pool, as many
// at once as there are cores. This plans where the text is cut (at
// sentence ends), and where the output is (a file, or the numbered files of
// a split), and joins the parts: each worker reads its piece as written
// (the pronunciation rules are its own to apply), renders and encodes it
// into a part in a hidden folder beside the output; the parts are joined in
// order into the output, which is then tagged, and their subtitles moved to
// where each part's sound starts. Emits finished() once.
class PieceConversion : public QObject
{
    Q_OBJECT
public:
    // How many pieces a text of this length is best cut into for this many
    // workers at once; 1 when cutting does not pay.
    static int pieceCount(qsizetype textLength, int workers);
    // Formats only workers make: the parts' sound encoded as they are joined.
    static bool needsWorkers(Convert::Format format);
    // Standard output is written by joining parts too.
    static bool needsWorkers(const Convert::Options &options)
    {
        return needsWorkers(options.format) || options.output == u"-";
    }
    // How long a piece may be (UTF-16) for a text split into files of
    // options.splitMinutes or options.splitMegabytes: short enough that a
    // file of whole pieces ends near its limit.
    static qsizetype pieceLengthForSplit(const Convert::Options &options);
    // About how many pieces of that length the text makes.
    static int pieceCountForSplit(qsizetype textLength, int workers, const Convert::Options &options);
    // Where text is cut for pieces of at most longest: at sentence ends, and
    // in a longer sentence at its clauses, else its blanks (a single word
    // longer than that stays whole). The ends of all but the last piece.
    static QList<qsizetype> cutsWithin(const QString &text, qsizetype longest);
    // "NAME 01.EXT" beside output, for the number-th of count files.
    static QString splitName(const QString &output, int number, int count, const QString &extension);
    // Where text is cut into pieces pieces: after a sentence, near equal
    // shares. The ends of all but the last piece (UTF-16).
    static QList<qsizetype> cuts(const QString &text, int pieces);

    // options.output and options.format say what to write; voice is the
    // voice chosen for the whole text, by name. With chapters (their starts
    // in text), the pieces are cut at every chapter's start too, and the
    // output (an MP3 or an M4B) marks where each begins.
    PieceConversion(const Convert::Options &options, const QString &voice, const QString &text, int pieces,
                    QObject *parent = nullptr, const QList<Chapters::Mark> &chapters = {});
    ~PieceConversion() override;

    void start();
    // Tells the workers to stop, all at once, and removes every part once
    // they have ended: stopped() then, when isStopping() was true.
    void stop();
    bool isStopping() const { return m_stopping; }

    bool isFinished() const { return m_finished; }
    Convert::ExitCode exitCode() const { return m_exitCode; }
    // What failed, for the caller to name with the output.
    QString error() const { return m_error; }
    double rendered() const;
    double encoded() const;

signals:
    void progressed();
    void warned(const QString &line);
    void finished();
    void stopped();

private:
    struct Piece
    {
        QString text;  // until start() has written it to the piece's file
        qsizetype length = 0;
        QString part;       // the worker's output
        QString subtitles;  // the worker's SRT, when subtitles are asked for
        double rendered = 0;
        double encoded = 0;
    };

    QStringList workerArguments(int index) const;
    void workerEnded(int index, const WorkerPool::Ended &result);
    void join();
    void joined();
    struct Joined
    {
        QString error;
        double seconds = 0;
        QList<double> starts;  // where each part's sound starts in the whole
        QString note;          // about the bit rate, when it could not be had
    };
    // A chapter of a file with chapter marks: its title and its first part.
    struct ChapterStart
    {
        QString title;
        int firstPart = 0;
    };
    static Convert::Format partFormat(Convert::Format format);
    static bool writeTag(const QString &path, const Convert::Options &options, const QList<ChapterStart> &chapters,
                         const Joined &joined);
    static Joined joinParts(const QStringList &parts, const Convert::Options &options, const QString &into,
                            const QList<ChapterStart> &chapters, const std::atomic<bool> &stop,
                            std::atomic<double> &progress);
    void fail(Convert::ExitCode code, const QString &why);
    void end();

    Convert::Options m_options;
    QString m_voice;
    QList<Piece> m_pieces;
    qsizetype m_textLength = 0;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_folderRecord;  // for the sweep of a killed conversion's leftovers
    // The files written: the output, or with a split its numbered files.
    struct File
    {
        QString output;
        QString subtitles;
        QList<int> pieces;
        SoundFileCommit *export_ = nullptr;
    };
    void planFiles();
    QStringList partsOf(const File &file) const;
    Convert::Options optionsForFile(int index) const;
    QList<File> m_files;
    QList<ChapterStart> m_chapters;
    QThread *m_joinThread = nullptr;
    QThread *m_loading = nullptr;  // of the M4B library, while the workers render
    std::atomic<bool> m_stopJoining = false;
    std::atomic<double> m_joinProgress = 0;
    QList<Joined> m_joined;  // one for each file
    WorkerPool *m_pool = nullptr;
    bool m_finished = false;
    bool m_stopping = false;
    Convert::ExitCode m_exitCode = Convert::Success;
    QString m_error;
};

#pragma once

#include "convert/convert_options.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <atomic>
#include <memory>

class Mp3Export;
class QProcess;
class QTemporaryDir;
class QThread;

// One long text converted piece by piece by worker processes of this
// program, as many at once as there are cores: espeak-ng and flite each
// render on one thread per process. The text is cut at sentence ends; each
// worker reads its piece as written (the pronunciation rules are its own to
// apply), renders and encodes it into a part in a hidden folder beside the
// output; the parts are joined in order into the output, and their
// subtitles moved to where each part's sound starts. Emits finished() once.
class PieceConversion : public QObject
{
    Q_OBJECT
public:
    // How many pieces a text of this length is best cut into for this many
    // workers at once; 1 when cutting does not pay.
    static int pieceCount(qsizetype textLength, int workers);
    // Formats only workers make: the parts' sound encoded as they are joined.
    static bool needsWorkers(Convert::Format format);
    // Where text is cut into pieces pieces: after a sentence, near equal
    // shares. The ends of all but the last piece (UTF-16).
    static QList<qsizetype> cuts(const QString &text, int pieces);

    // options.output and options.format say what to write; voice is the
    // voice chosen for the whole text, by name.
    PieceConversion(const Convert::Options &options, const QString &voice, const QString &text, int pieces,
                    QObject *parent = nullptr);
    ~PieceConversion() override;

    void start();
    // Stops the workers and removes every part.
    void stop();

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

private:
    struct Piece
    {
        QString text;
        QString part;       // the worker's output
        QString subtitles;  // the worker's SRT, when subtitles are asked for
        QProcess *worker = nullptr;
        double rendered = 0;
        double encoded = 0;
        bool done = false;
    };

    void startNext();
    void readProgress(Piece &piece);
    void workerEnded(Piece &piece);
    void join();
    void joined();
    struct Joined
    {
        QString error;
        double seconds = 0;
        QList<double> starts;  // where each part's sound starts in the whole
    };
    static bool partsAreWaves(Convert::Format format);
    static Joined joinParts(const QStringList &parts, const Convert::Options &options, const QString &into,
                            const std::atomic<bool> &stop, std::atomic<double> &progress);
    void fail(Convert::ExitCode code, const QString &why);
    void end();

    Convert::Options m_options;
    QString m_voice;
    QList<Piece> m_pieces;
    qsizetype m_textLength = 0;
    std::unique_ptr<QTemporaryDir> m_folder;
    Mp3Export *m_export = nullptr;
    QThread *m_joinThread = nullptr;
    std::atomic<bool> m_stopJoining = false;
    std::atomic<double> m_joinProgress = 0;
    Joined m_joined;
    QSet<QString> m_warnings;  // passed on once
    int m_next = 0;
    int m_running = 0;
    int m_limit = 1;
    bool m_finished = false;
    Convert::ExitCode m_exitCode = Convert::Success;
    QString m_error;
};

#pragma once

#include "convert/convert_options.h"
#include "documents/document.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;
class WorkerStop;
class QTemporaryDir;
class VoiceCatalog;

// A book read into one sound file per chapter, with a playlist.
namespace Chapters {

struct Part
{
    QString title;
    QString text;
};

// Where the document's top-level chapters start, as parts() cuts it: the
// first at 0, none without text of its own. Empty without chapters.
struct Mark
{
    QString title;
    qsizetype start = 0;  // in document.text
};
QList<Mark> marks(const Document &document);

// The document cut at its top-level chapters. Text before the first chapter
// (a title page, a preface without a heading) joins the first chapter; a
// chapter with nothing to read joins the one before it. A document with no
// chapters is one part, titled `fallbackTitle`.
QList<Part> parts(const Document &document, const QString &fallbackTitle);

// A title as a file name any drive takes (FAT and exFAT included): no
// '/', '\\', ':', '*', '?', '"', '<', '>', '|', control characters, or
// leading or trailing dots, blanks collapsed, at most 80 characters;
// `fallback` when nothing is left.
QString safeName(const QString &title, const QString &fallback);
// "01 Title.mp3": numbered from 1, two digits, more for 100 parts and up.
QString fileName(int number, int total, const QString &title, const QString &extension);

struct Entry
{
    QString file;  // relative to the playlist
    QString title;
    double seconds = 0;
};
// An extended M3U playlist in UTF-8 (for a .m3u8 file).
QByteArray playlist(const QList<Entry> &entries);

// "--split chapters INPUT DIR" and the converter's other options; --format
// (mp3 or wav, default mp3) and --subtitles (srt, lrc or vtt: a kind, not a
// file) are taken here. options.error says what is wrong.
struct SplitOptions
{
    Convert::Options options;  // inputs: the one book; outputDir: DIR
    QString subtitles;         // "srt", "lrc", "vtt" or empty
};
bool wantsSplit(const QStringList &arguments);
SplitOptions parseSplitOptions(const QStringList &arguments);
// The help's paragraph on --split.
QString helpText();

}  // namespace Chapters

// Converts the parts as many at once as there are cores, each chapter by a
// worker process of this program (which cuts a long chapter into pieces of
// its own), each as a single conversion does (complete or not at all). A
// failure stops the split: the chapters before the failed one are finished
// and stay, complete, those after it are stopped or removed, and no
// playlist is written, so that a playlist always names a whole book.
// Raises finished() once.
class ChapterSplit : public QObject
{
    Q_OBJECT
public:
    ChapterSplit(VoiceCatalog &voices, const Chapters::SplitOptions &options, QObject *parent = nullptr);
    ~ChapterSplit() override;

    void start();
    // Stops the chapter being made, for an interrupt: stopped() follows
    // once its workers have ended and its temporaries are gone.
    void abort();

    bool isFinished() const { return m_finished; }
    Convert::ExitCode exitCode() const { return m_exitCode; }
    QString error() const { return m_error; }
    int total() const { return int(m_parts.size()); }
    int done() const { return m_done; }
    double fraction() const;
    // The files written, in order (the playlist last).
    QStringList written() const { return m_written; }

signals:
    void progressed();
    // A line for standard error that does not stop the split.
    void warned(const QString &line);
    void finished();
    void stopped();

private:
    struct Job
    {
        QString text;   // the chapter's text, written for its worker
        QString file;   // "01 Title.mp3", in the folder
        QProcess *worker = nullptr;
        double fraction = 0;
        bool done = false;     // its worker has ended
        bool written = false;  // and the chapter's file is in place
        bool failed = false;
        double seconds = 0;
    };
    void startNext();
    void workerEnded(int index);
    void finishBook();
    void fail(Convert::ExitCode code, const QString &line);
    WorkerStop *stopWorkers(qsizetype from = 0);

    VoiceCatalog &m_voices;
    Chapters::SplitOptions m_split;
    QString m_album;
    QString m_author;
    QList<Chapters::Part> m_parts;
    QList<Job> m_jobs;
    std::unique_ptr<QTemporaryDir> m_texts;
    QStringList m_written;
    QSet<QString> m_warnings;  // passed on once
    int m_next = 0;
    int m_running = 0;
    int m_limit = 1;
    int m_done = 0;
    // The first chapter (in the book's order) that failed, and why.
    int m_failedAt = -1;
    Convert::ExitCode m_failure = Convert::Success;
    QString m_failureLine;
    bool m_finished = false;
    Convert::ExitCode m_exitCode = Convert::Success;
    QString m_error;
};

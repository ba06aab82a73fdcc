#pragma once

#include "convert/convert_job.h"
#include "convert/convert_options.h"
#include "convert/worker_pool.h"
#include "documents/document.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

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

// How many pieces the converter of chapter `index` may render at once, with
// `workers` chapters converted at once: 1 for a chapter that is one of
// many, whose worker is busy enough with it alone (a worker per piece
// would cost a process start each and gain nothing); 0 (one per core) for
// a chapter longer than a core's share of the book, and for the last ones,
// which would otherwise end with cores idle.
int piecesAtOnce(const QList<qsizetype> &lengths, int index, int workers);

// The help's paragraph on --split.
QString helpText();

}  // namespace Chapters

// Converts the parts by the workers of a pool, as many at once as there are
// cores, each chapter as a single conversion does (complete or not at all;
// a long chapter cut into pieces of its own), in any of the converter's
// sound formats. A failure stops the split: the chapters before the failed
// one are finished and stay, complete, those after it are stopped or
// removed, and no playlist is written, so that a playlist always names a
// whole book. Raises finished() once.
class ChapterSplit : public ConvertJob
{
    Q_OBJECT
public:
    // options.inputs: the one book; options.outputDir: the folder;
    // options.subtitleFormat: the subtitles' kind beside each chapter.
    ChapterSplit(VoiceCatalog &voices, const Convert::Options &options, QObject *parent = nullptr);
    ~ChapterSplit() override;

    void start() override;
    // Stops the chapters being made: stopped() follows once their workers
    // have ended and their temporaries are gone.
    void interrupt(int signal) override;

    bool isFinished() const override { return m_finished; }
    Convert::ExitCode exitCode() const override { return m_exitCode; }
    QString error() const override { return m_error; }
    int total() const { return int(m_parts.size()); }
    int done() const { return m_done; }
    double fraction() const override;
    QString label() const override;
    QString phase() const override;
    QString interruptedLine() const override;
    // The files written, in order (the playlist last).
    QStringList written() const { return m_written; }

private:
    struct Job
    {
        QString text;   // the chapter's text, written for its worker
        QString file;   // "01 Title.mp3", in the folder
        double fraction = 0;
        bool done = false;     // its worker has ended
        bool written = false;  // and the chapter's file is in place
        double seconds = 0;
    };
    QStringList workerArguments(int index) const;
    void workerEnded(int index, const WorkerPool::Ended &result);
    void chaptersEnded();
    void finishBook();
    void fail(Convert::ExitCode code, const QString &line);

    VoiceCatalog &m_voices;
    Convert::Options m_options;
    QString m_album;
    QString m_author;
    QList<Chapters::Part> m_parts;
    QList<Job> m_jobs;
    WorkerPool *m_pool = nullptr;
    std::unique_ptr<QTemporaryDir> m_texts;
    QStringList m_written;
    int m_done = 0;
    // The first chapter (in the book's order) that failed, and why.
    int m_failedAt = -1;
    Convert::ExitCode m_failure = Convert::Success;
    QString m_failureLine;
    bool m_finished = false;
    Convert::ExitCode m_exitCode = Convert::Success;
    QString m_error;
};

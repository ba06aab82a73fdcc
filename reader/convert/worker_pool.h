#pragma once

#include "convert/convert_options.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <csignal>

class QProcess;
class WorkerStop;

// Worker processes of this program, each converting one job (an input of a
// batch, a piece of a long text, a chapter of a book), at most `jobs` at
// once, started in the order they were added: espeak-ng and flite each
// render on one thread per process, so processes are what runs conversions
// side by side. A worker's standard output comes as it writes it, line by
// line; its standard error and its status once it has ended.
class WorkerPool : public QObject
{
    Q_OBJECT
public:
    struct Ended
    {
        Convert::ExitCode code = Convert::Success;
        QString errors;       // its standard error, trimmed
        bool failedToStart = false;
        bool killed = false;  // by a signal
        QString startError;   // why it could not be started
        // The lines of its standard error, the program's name taken off
        // their starts.
        QStringList lines() const;
    };

    // jobs: workers at once; 0: one per core.
    explicit WorkerPool(int jobs, QObject *parent = nullptr);
    // The workers still running are told to end, as by stop().
    ~WorkerPool() override;

    // A worker for the job `id`, with these arguments, waiting its turn.
    void add(int id, const QStringList &arguments);
    // Starts as many of the waiting workers as may run at once; the others
    // start as those end.
    void start();
    // Ends the running workers of the jobs from `from` on, all at once (each
    // removes its own temporaries), and starts none of the waiting ones
    // from there. Nothing waits here: the returned stop says when the last
    // has ended; null when none was running.
    WorkerStop *stop(int from = 0, int signal = SIGTERM);
    bool isRunning() const { return !m_running.isEmpty(); }
    // How many run at once.
    int limit() const { return m_limit; }

    // The lines no worker of this pool gave before: warnings every worker
    // gives alike (a rules file's bad lines) are passed on once.
    QStringList unseen(const QStringList &lines);

signals:
    void output(int id, const QList<QByteArray> &lines);
    void ended(int id, const WorkerPool::Ended &result);
    // After a worker has ended: none runs or waits any more.
    void drained();

private:
    struct Waiting
    {
        int id = 0;
        QStringList arguments;
    };
    void startNext();
    void workerEnded(int id, QProcess *process);

    int m_limit = 1;
    QList<Waiting> m_waiting;
    QHash<int, QProcess *> m_running;
    QSet<QString> m_seen;
};

// Progress as a worker reports it: "progress RENDERED ENCODED SHARE", the
// last being the share of the time its voice spends rendering.
namespace Convert {
QByteArray progressLine(double rendered, double encoded, double renderShare);
bool parseProgressLine(const QByteArray &line, double *rendered, double *encoded, double *renderShare = nullptr);
// "done FRACTION", as --progress-lines prints it for a program that runs
// the converter; false for other lines.
QByteArray doneLine(double fraction);
bool parseDoneLine(const QByteArray &line, double *fraction);
// How much of a conversion is done, from what was rendered and encoded.
double jobFraction(Format format, double rendered, double encoded, double renderShare = defaultRenderShare);
}  // namespace Convert

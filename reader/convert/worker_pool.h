#pragma once

#include "convert/convert_options.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <csignal>
#include <functional>

class QProcess;
class WorkerStop;

// Worker processes of this program converting jobs (the inputs of a batch,
// the pieces of a long text, the chapters of a book), at most `jobs` at
// once, in the order they were added: espeak-ng and flite each render on
// one thread per process, so processes are what runs conversions side by
// side. A worker (`sayora-convert --serve`) takes one job after another on
// its standard input, so that the program, its voices and the libraries a
// format needs are loaded once per worker, not once per job. A job's
// standard output comes as the worker writes it, line by line; its
// standard error and its status once it has ended.
//
// The protocol: the pool writes a job as one line, its command line as a
// JSON array; the worker converts it as a process run with that command
// line would, then ends its standard error with jobErrorsEnd and its
// standard output with jobEndedLine(status), and waits for the next line.
// The end of its standard input ends it.
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
    // Ends the workers running the jobs from `from` on, all at once (each
    // removes its own temporaries), and starts none of the waiting ones
    // from there; the others go on. Nothing waits here: the returned stop
    // says when the last has ended; null when none was running.
    WorkerStop *stop(int from = 0, int signal = SIGTERM);
    // A job is being converted.
    bool isRunning() const;
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
    struct Worker
    {
        QProcess *process = nullptr;
        int job = -1;  // the job it converts; -1: none
        QByteArray errors;  // the job's standard error so far
        bool outputEnded = false;
        bool errorsEnded = false;
        Convert::ExitCode code = Convert::Success;
        bool closing = false;  // its standard input is closed: it ends
    };
    Worker *startWorker();
    void give(Worker *worker, const Waiting &job);
    void readOutput(Worker *worker);
    void readErrors(Worker *worker);
    void jobEnded(Worker *worker);
    void processEnded(QProcess *process);
    Worker *workerOf(QProcess *process) const;
    void closeIdle();
    void jobsChanged();
    QList<QProcess *> takeWorkers(const std::function<bool(const Worker &)> &which);

    int m_limit = 1;
    QList<Waiting> m_waiting;
    QList<Worker *> m_workers;
    QSet<QString> m_seen;
};

// Progress as a worker reports it: "progress RENDERED ENCODED SHARE", the
// last being the share of the time its voice spends rendering.
namespace Convert {
QByteArray progressLine(double rendered, double encoded, double renderShare);
bool parseProgressLine(const QByteArray &line, double *rendered, double *encoded, double *renderShare = nullptr);
// A worker's job as it is written to the worker, and read there.
QByteArray jobLine(const QStringList &arguments);
bool parseJobLine(const QByteArray &line, QStringList *arguments);
// The line that ends a job's standard output, with its status, and the one
// that ends its standard error.
QByteArray jobEndedLine(int code);
bool parseJobEndedLine(const QByteArray &line, int *code);
constexpr char jobErrorsEnd[] = "\x1e sayora-convert: the job has ended\n";
// "done FRACTION", as --progress-lines prints it for a program that runs
// the converter; false for other lines.
QByteArray doneLine(double fraction);
bool parseDoneLine(const QByteArray &line, double *fraction);
// How much of a conversion is done, from what was rendered and encoded.
double jobFraction(Format format, double rendered, double encoded, double renderShare = defaultRenderShare);
}  // namespace Convert

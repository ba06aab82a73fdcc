#pragma once

#include "convert/convert_options.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QProcess;

// Many inputs converted at once, each by a worker process of this program:
// espeak-ng and flite each allow one synthesis thread per process, so
// processes are what runs conversions side by side. Workers report their
// progress on standard output and their failure on standard error.
class Batch : public QObject
{
    Q_OBJECT
public:
    Batch(const Convert::Options &options, QObject *parent = nullptr);
    ~Batch() override;

    void start();
    // Passes the signal on to the running workers, all at once, which
    // remove their temporary files; stopped() once they have ended.
    void interrupt(int signal);

    int total() const { return int(m_jobs.size()); }
    int done() const { return m_done; }
    int succeeded() const { return m_succeeded; }
    // Left out with skipExisting: their outputs were already there.
    int skipped() const { return m_skipped; }
    // 0 … 1 of the whole batch.
    double fraction() const;
    // 0 when all succeeded, else the status of the first input (in the
    // order given) that failed.
    Convert::ExitCode exitCode() const;

signals:
    void progressed();
    // A worker's failure line, or its warnings.
    void failed(const QString &line);
    void finished();
    void stopped();

private:
    QList<QProcess *> workers() const;
    struct Job
    {
        QString input;
        QString output;
        QProcess *worker = nullptr;
        double rendered = 0;
        double encoded = 0;
        double renderShare = Convert::defaultRenderShare;
        bool finished = false;
        bool skipped = false;
        Convert::ExitCode code = Convert::Success;
    };

    int nextToStart();
    void startNext();
    void readProgress(Job &job);
    void workerEnded(Job &job);

    Convert::Options m_options;
    QList<Job> m_jobs;
    int m_next = 0;
    int m_running = 0;
    int m_done = 0;
    int m_succeeded = 0;
    int m_skipped = 0;
    // Warnings every worker gives alike (a rules file's bad lines) are
    // shown once.
    QSet<QString> m_warnings;
    int m_limit = 1;
};

// Progress as a worker reports it: "progress RENDERED ENCODED SHARE", the
// last being the share of the time its voice spends rendering.
namespace Convert {
QByteArray progressLine(double rendered, double encoded, double renderShare);
bool parseProgressLine(const QByteArray &line, double *rendered, double *encoded, double *renderShare = nullptr);
// A worker process of this program with these arguments, not yet started.
QProcess *newWorker(const QStringList &arguments, QObject *parent);
// A finished worker's status (failing to start, or a crash, is a failed
// rendering).
ExitCode workerExitCode(const QProcess &worker);
// How much of a conversion is done, from what was rendered and encoded.
double jobFraction(Format format, double rendered, double encoded, double renderShare = defaultRenderShare);
}  // namespace Convert

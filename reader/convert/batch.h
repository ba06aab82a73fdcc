#pragma once

#include "convert/convert_job.h"
#include "convert/convert_options.h"
#include "convert/worker_pool.h"

#include <QList>
#include <QString>

// Many inputs converted at once, each by a worker of the pool, which
// reports its progress on standard output and its failure on standard
// error. A failed input does not stop the others.
class Batch : public ConvertJob
{
    Q_OBJECT
public:
    Batch(const Convert::Options &options, QObject *parent = nullptr);
    ~Batch() override;

    void start() override;
    // Passes the signal on to the running workers, all at once, which
    // remove their temporary files; stopped() once they have ended.
    void interrupt(int signal) override;

    int total() const { return int(m_jobs.size()); }
    int done() const { return m_done; }
    int succeeded() const { return m_succeeded; }
    // Left out with skipExisting: their outputs were already there.
    int skipped() const { return m_skipped; }
    // 0 … 1 of the whole batch.
    double fraction() const override;
    // 0 when all succeeded, else the status of the first input (in the
    // order given) that failed.
    Convert::ExitCode exitCode() const override;
    // Each failure was said as it came.
    QString error() const override { return {}; }
    QString label() const override;
    QString phase() const override;
    QString interruptedLine() const override;
    QString summary() const override;
    bool isFinished() const override { return m_finished; }

private:
    struct Job
    {
        QString input;
        QString output;
        double rendered = 0;
        double encoded = 0;
        double renderShare = Convert::defaultRenderShare;
        bool finished = false;
        bool skipped = false;
        Convert::ExitCode code = Convert::Success;
    };

    void workerEnded(int index, const WorkerPool::Ended &result);

    Convert::Options m_options;
    QList<Job> m_jobs;
    WorkerPool *m_pool = nullptr;
    int m_done = 0;
    int m_succeeded = 0;
    int m_skipped = 0;
    bool m_finished = false;
};

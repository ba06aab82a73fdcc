#include "convert/batch.h"

#include "convert/output_folder.h"
#include "convert/worker_stop.h"

#include <QCoreApplication>

Batch::Batch(const Convert::Options &options, QObject *parent)
    : ConvertJob(parent)
    , m_options(options)
    , m_pool(new WorkerPool(options.jobs, this))
{
    for (const QString &input : options.inputs) {
        Job job{input, Convert::batchOutput(input, options.outputDir, options.format)};
        // What a run before finished is not done again.
        if (options.skipExisting && OutputFolder::isComplete(job.output)) {
            job.finished = job.skipped = true;
            job.rendered = job.encoded = 1;
            ++m_done;
            ++m_skipped;
        }
        m_jobs.append(job);
    }
    connect(m_pool, &WorkerPool::output, this, [this](int index, const QList<QByteArray> &lines) {
        Job &job = m_jobs[index];
        for (const QByteArray &line : lines)
            Convert::parseProgressLine(line, &job.rendered, &job.encoded, &job.renderShare);
        emit progressed();
    });
    connect(m_pool, &WorkerPool::ended, this, &Batch::workerEnded);
    connect(m_pool, &WorkerPool::drained, this, [this] {
        m_finished = true;
        emit finished();
    });
}

Batch::~Batch() = default;

void Batch::start()
{
    for (const Job &job : std::as_const(m_jobs)) {
        if (job.skipped)
            emit warned(QCoreApplication::translate("Convert", "sayora-convert: %1: skipped, it is already there").arg(job.output));
    }
    if (m_done == m_jobs.size()) {
        m_finished = true;
        emit finished();
        return;
    }
    const QStringList arguments = Convert::workerArguments(m_options);
    for (int i = 0; i < m_jobs.size(); ++i) {
        if (!m_jobs.at(i).skipped)
            m_pool->add(i, arguments + QStringList{QStringLiteral("--"), m_jobs.at(i).input, m_jobs.at(i).output});
    }
    m_pool->start();
}

void Batch::workerEnded(int index, const WorkerPool::Ended &result)
{
    Job &job = m_jobs[index];
    job.finished = true;
    job.code = result.code;
    ++m_done;
    if (result.failedToStart) {
        emit warned(QCoreApplication::translate("Convert", "sayora-convert: %1: the converter could not be started again (%2).")
                        .arg(job.input, result.startError));
    } else if (result.killed) {
        emit warned(!result.errors.isEmpty()
                        ? result.errors
                        : QCoreApplication::translate("Convert", "sayora-convert: %1: the conversion was killed by a signal.").arg(job.input));
    } else if (result.code != Convert::Success) {
        emit warned(!result.errors.isEmpty()
                        ? result.errors
                        : QCoreApplication::translate("Convert", "sayora-convert: %1: the conversion stopped unexpectedly.").arg(job.input));
    } else {
        ++m_succeeded;
        job.rendered = job.encoded = 1;
        // Warnings of a conversion that succeeded.
        if (const QStringList fresh = m_pool->unseen(result.errors.split(u'\n', Qt::SkipEmptyParts)); !fresh.isEmpty())
            emit warned(fresh.join(u'\n'));
    }
    emit progressed();
}

void Batch::interrupt(int signal)
{
    if (WorkerStop *stopping = m_pool->stop(0, signal))
        connect(stopping, &WorkerStop::ended, this, &Batch::stopped);
    else
        QMetaObject::invokeMethod(this, &Batch::stopped, Qt::QueuedConnection);
}

double Batch::fraction() const
{
    if (m_jobs.isEmpty())
        return 1;
    double sum = 0;
    for (const Job &job : m_jobs)
        sum += job.finished ? 1.0 : Convert::jobFraction(m_options.format, job.rendered, job.encoded, job.renderShare);
    return sum / double(m_jobs.size());
}

Convert::ExitCode Batch::exitCode() const
{
    for (const Job &job : m_jobs) {
        if (job.code != Convert::Success)
            return job.code;
    }
    return Convert::Success;
}

QString Batch::label() const
{
    return QCoreApplication::translate("Convert", "%1 of %n files", nullptr, total()).arg(m_done);
}

QString Batch::phase() const
{
    return QCoreApplication::translate("Convert", "converting");
}

QString Batch::interruptedLine() const
{
    return QCoreApplication::translate("Convert", "interrupted; the files being converted were left as they were");
}

QString Batch::summary() const
{
    QString summary =
        QCoreApplication::translate("Convert", "sayora-convert: %1 of %n files converted", nullptr, total()).arg(m_succeeded);
    if (m_skipped > 0)
        summary += QCoreApplication::translate("Convert", ", %n skipped (already there)", nullptr, m_skipped);
    return summary;
}

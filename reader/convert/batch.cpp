#include "convert/batch.h"

#include "convert/output_folder.h"
#include "convert/worker_stop.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>

#include <csignal>

namespace Convert {

QByteArray progressLine(double rendered, double encoded, double renderShare)
{
    return "progress " + QByteArray::number(rendered, 'f', 4) + ' ' + QByteArray::number(encoded, 'f', 4) + ' '
           + QByteArray::number(renderShare, 'f', 2) + '\n';
}

bool parseProgressLine(const QByteArray &line, double *rendered, double *encoded, double *renderShare)
{
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if ((parts.size() != 3 && parts.size() != 4) || parts.at(0) != "progress")
        return false;
    bool ok1 = false, ok2 = false, ok3 = true;
    const double r = parts.at(1).toDouble(&ok1);
    const double e = parts.at(2).toDouble(&ok2);
    const double share = parts.size() == 4 ? parts.at(3).toDouble(&ok3) : defaultRenderShare;
    if (!ok1 || !ok2 || !ok3)
        return false;
    *rendered = std::clamp(r, 0.0, 1.0);
    *encoded = std::clamp(e, 0.0, 1.0);
    if (renderShare)
        *renderShare = std::clamp(share, 0.0, 1.0);
    return true;
}

QProcess *newWorker(const QStringList &arguments, QObject *parent)
{
    auto *worker = new QProcess(parent);
    worker->setProgram(QCoreApplication::applicationFilePath());
    worker->setArguments(arguments);
    // The worker stops at once when it finds its parent is no longer this.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SAYORA_CONVERT_BATCH"), QString::number(QCoreApplication::applicationPid()));
    worker->setProcessEnvironment(environment);
    worker->setStandardInputFile(QProcess::nullDevice());
    return worker;
}

ExitCode workerExitCode(const QProcess &worker)
{
    if (worker.error() == QProcess::FailedToStart)
        return RenderFailed;
    // Killed by a signal (the memory killer, an administrator): another
    // try may well pass.
    if (worker.exitStatus() != QProcess::NormalExit)
        return RetryFailed;
    const int code = worker.exitCode();
    return code >= 0 && code <= RetryFailed ? ExitCode(code) : RenderFailed;
}

double jobFraction(Format format, double rendered, double encoded, double renderShare)
{
    // A WAV is done when rendered; the others are encoded too, which takes
    // most of the time with the fast voices and little with the slow ones.
    if (format == Format::Wav || format == Format::Text)
        return rendered;
    return renderShare * rendered + (1 - renderShare) * encoded;
}

}  // namespace Convert

Batch::Batch(const Convert::Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
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
    m_limit = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
}

Batch::~Batch()
{
    // The workers end by themselves, all told at once.
    WorkerStop::stop(workers(), SIGTERM);
}

QList<QProcess *> Batch::workers() const
{
    QList<QProcess *> workers;
    for (const Job &job : m_jobs)
        workers << job.worker;
    return workers;
}

void Batch::start()
{
    for (const Job &job : std::as_const(m_jobs)) {
        if (job.skipped)
            emit failed(QCoreApplication::translate("Convert", "sayora-convert: %1: skipped, it is already there").arg(job.output));
    }
    if (m_done == m_jobs.size()) {
        emit finished();
        return;
    }
    while (m_running < m_limit && nextToStart() < m_jobs.size())
        startNext();
}

int Batch::nextToStart()
{
    while (m_next < m_jobs.size() && m_jobs.at(m_next).finished)
        ++m_next;
    return m_next;
}

void Batch::startNext()
{
    const int index = nextToStart();
    ++m_next;
    Job &job = m_jobs[index];
    const QStringList arguments = Convert::workerArguments(m_options) << QStringLiteral("--") << job.input << job.output;

    QProcess *worker = Convert::newWorker(arguments, this);
    job.worker = worker;
    connect(worker, &QProcess::readyReadStandardOutput, this, [this, index] { readProgress(m_jobs[index]); });
    connect(worker, &QProcess::finished, this, [this, index] { workerEnded(m_jobs[index]); });
    connect(worker, &QProcess::errorOccurred, this, [this, index](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            workerEnded(m_jobs[index]);
    });
    ++m_running;
    worker->start();
}

void Batch::readProgress(Job &job)
{
    while (job.worker->canReadLine()) {
        double rendered = 0, encoded = 0, share = Convert::defaultRenderShare;
        if (Convert::parseProgressLine(job.worker->readLine(), &rendered, &encoded, &share)) {
            job.rendered = rendered;
            job.encoded = encoded;
            job.renderShare = share;
        }
    }
    emit progressed();
}

void Batch::workerEnded(Job &job)
{
    if (job.finished)
        return;
    job.finished = true;
    --m_running;
    ++m_done;
    QProcess *worker = job.worker;
    const QString errors = QString::fromLocal8Bit(worker->readAllStandardError()).trimmed();
    if (worker->error() == QProcess::FailedToStart) {
        job.code = Convert::RenderFailed;
        emit failed(QCoreApplication::translate("Convert", "sayora-convert: %1: the converter could not be started again (%2).")
                        .arg(job.input, worker->errorString()));
    } else if (worker->exitStatus() != QProcess::NormalExit) {
        job.code = Convert::workerExitCode(*worker);
        emit failed(!errors.isEmpty() ? errors
                                      : QCoreApplication::translate("Convert", "sayora-convert: %1: the conversion was killed by a signal.").arg(job.input));
    } else if (worker->exitCode() != 0) {
        job.code = Convert::workerExitCode(*worker);
        emit failed(!errors.isEmpty() ? errors
                                      : QCoreApplication::translate("Convert", "sayora-convert: %1: the conversion stopped unexpectedly.").arg(job.input));
    } else {
        ++m_succeeded;
        job.rendered = job.encoded = 1;
        // Warnings of a conversion that succeeded.
        QStringList fresh;
        for (const QString &line : errors.split(u'\n', Qt::SkipEmptyParts)) {
            if (!m_warnings.contains(line)) {
                m_warnings.insert(line);
                fresh << line;
            }
        }
        if (!fresh.isEmpty())
            emit failed(fresh.join(u'\n'));
    }
    emit progressed();
    if (nextToStart() < m_jobs.size())
        startNext();
    else if (m_running == 0)
        emit finished();
}

void Batch::interrupt(int signal)
{
    WorkerStop *stopping = WorkerStop::stop(workers(), signal);
    for (Job &job : m_jobs)
        job.worker = nullptr;
    if (stopping)
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

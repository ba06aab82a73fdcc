#include "convert/worker_pool.h"

#include "convert/worker_stop.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>

#include <algorithm>

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

QByteArray jobLine(const QStringList &arguments)
{
    return QJsonDocument(QJsonArray::fromStringList(arguments)).toJson(QJsonDocument::Compact) + '\n';
}

bool parseJobLine(const QByteArray &line, QStringList *arguments)
{
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed());
    if (!document.isArray())
        return false;
    arguments->clear();
    for (const QJsonValue &value : document.array()) {
        if (!value.isString())
            return false;
        arguments->append(value.toString());
    }
    return true;
}

QByteArray jobEndedLine(int code)
{
    return "ended " + QByteArray::number(code) + '\n';
}

bool parseJobEndedLine(const QByteArray &line, int *code)
{
    const QByteArray text = line.trimmed();
    bool ok = false;
    const int number = text.startsWith("ended ") ? text.mid(6).toInt(&ok) : 0;
    if (ok)
        *code = number;
    return ok;
}

QByteArray doneLine(double fraction)
{
    return "done " + QByteArray::number(std::clamp(fraction, 0.0, 1.0), 'f', 4) + '\n';
}

bool parseDoneLine(const QByteArray &line, double *fraction)
{
    const QByteArray text = line.trimmed();
    bool ok = false;
    const double f = text.startsWith("done ") ? text.mid(5).toDouble(&ok) : 0.0;
    if (ok)
        *fraction = std::clamp(f, 0.0, 1.0);
    return ok;
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

QStringList WorkerPool::Ended::lines() const
{
    QStringList result = errors.split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : result) {
        if (line.startsWith(QLatin1String("sayora-convert: ")))
            line = line.mid(16);
    }
    return result;
}

WorkerPool::WorkerPool(int jobs, QObject *parent)
    : QObject(parent)
    , m_limit(jobs > 0 ? jobs : std::max(1, QThread::idealThreadCount()))
{
}

WorkerPool::~WorkerPool()
{
    stop();
    // The idle ones too, at once: they have nothing to finish.
    WorkerStop::stop(takeWorkers([](const Worker &) { return true; }), SIGTERM);
}

void WorkerPool::add(int id, const QStringList &arguments)
{
    m_waiting.append({id, arguments});
}

bool WorkerPool::isRunning() const
{
    return std::any_of(m_workers.cbegin(), m_workers.cend(), [](const Worker *w) { return w->job >= 0; });
}

void WorkerPool::start()
{
    // The idle workers first: they are loaded already.
    for (Worker *worker : std::as_const(m_workers)) {
        if (m_waiting.isEmpty())
            break;
        if (worker->job < 0 && !worker->closing)
            give(worker, m_waiting.takeFirst());
    }
    const auto working = [this] {
        return std::count_if(m_workers.cbegin(), m_workers.cend(), [](const Worker *w) { return !w->closing; });
    };
    while (working() < m_limit && !m_waiting.isEmpty())
        give(startWorker(), m_waiting.takeFirst());
    closeIdle();
}

WorkerPool::Worker *WorkerPool::startWorker()
{
    auto *worker = new Worker;
    worker->process = new QProcess(this);
    QProcess *process = worker->process;
    process->setProgram(QCoreApplication::applicationFilePath());
    process->setArguments({QStringLiteral("--serve")});
    // The worker stops at once when it finds its parent is no longer this.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SAYORA_CONVERT_BATCH"), QString::number(QCoreApplication::applicationPid()));
    process->setProcessEnvironment(environment);
    // Found by its process: a worker that has ended is gone, whatever
    // its process still says.
    connect(process, &QProcess::readyReadStandardOutput, this, [this, process] {
        if (Worker *found = workerOf(process))
            readOutput(found);
    });
    connect(process, &QProcess::readyReadStandardError, this, [this, process] {
        if (Worker *found = workerOf(process))
            readErrors(found);
    });
    connect(process, &QProcess::finished, this, [this, process] { processEnded(process); });
    // Later, never inside start(): the worker is being handed its job.
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded(process);
    }, Qt::QueuedConnection);
    m_workers.append(worker);
    process->start();
    return worker;
}

// The job is written at once: a worker still starting reads it once it runs.
void WorkerPool::give(Worker *worker, const Waiting &job)
{
    worker->job = job.id;
    worker->errors.clear();
    worker->outputEnded = worker->errorsEnded = false;
    worker->code = Convert::Success;
    worker->process->write(Convert::jobLine(job.arguments));
}

void WorkerPool::readOutput(Worker *worker)
{
    QList<QByteArray> lines;
    bool ended = false;
    while (worker->process->canReadLine()) {
        const QByteArray line = worker->process->readLine();
        if (int code = 0; worker->job >= 0 && Convert::parseJobEndedLine(line, &code)) {
            worker->code = code >= 0 && code <= Convert::RetryFailed ? Convert::ExitCode(code) : Convert::RenderFailed;
            worker->outputEnded = ended = true;
            break;  // what follows is the next job's
        }
        lines << line;
    }
    if (!lines.isEmpty() && worker->job >= 0)
        emit output(worker->job, lines);
    if (ended && worker->errorsEnded)
        jobEnded(worker);
}

void WorkerPool::readErrors(Worker *worker)
{
    if (worker->errorsEnded)
        return;  // read with the next job
    QProcess *process = worker->process;
    process->setReadChannel(QProcess::StandardError);
    while (process->canReadLine()) {
        const QByteArray line = process->readLine();
        if (line == QByteArrayView(Convert::jobErrorsEnd)) {
            worker->errorsEnded = true;
            break;
        }
        worker->errors += line;
    }
    process->setReadChannel(QProcess::StandardOutput);
    if (worker->errorsEnded && worker->outputEnded)
        jobEnded(worker);
}

WorkerPool::Worker *WorkerPool::workerOf(QProcess *process) const
{
    const auto found = std::find_if(m_workers.cbegin(), m_workers.cend(), [process](const Worker *w) { return w->process == process; });
    return found == m_workers.cend() ? nullptr : *found;
}

void WorkerPool::jobEnded(Worker *worker)
{
    const int id = std::exchange(worker->job, -1);
    Ended result;
    result.code = worker->code;
    result.errors = QString::fromLocal8Bit(worker->errors).trimmed();
    worker->errors.clear();
    QProcess *process = worker->process;
    // Whoever hears of it may stop the pool, and so end this worker.
    emit ended(id, result);
    jobsChanged();
    // Lines of its next job, read already.
    if (Worker *still = workerOf(process); still && still->job >= 0) {
        readOutput(still);
        readErrors(still);
    }
}

void WorkerPool::processEnded(QProcess *process)
{
    Worker *worker = workerOf(process);
    if (!worker)
        return;
    m_workers.removeOne(worker);
    const int id = worker->job;
    Ended result;
    if (id >= 0) {
        worker->errors += process->readAllStandardError();
        result.errors = QString::fromLocal8Bit(worker->errors).trimmed();
        result.failedToStart = process->error() == QProcess::FailedToStart;
        result.killed = !result.failedToStart && process->exitStatus() != QProcess::NormalExit;
        result.startError = process->errorString();
        const int code = process->exitCode();
        if (result.killed) {
            // The memory killer, an administrator: another try may well pass.
            result.code = Convert::RetryFailed;
        } else if (!result.failedToStart && code > 0 && code <= Convert::RetryFailed) {
            result.code = Convert::ExitCode(code);
        } else {
            // A worker ends of itself between jobs, never in one.
            result.code = Convert::RenderFailed;
        }
    }
    process->disconnect(this);
    process->deleteLater();
    delete worker;
    if (id < 0) {
        start();  // in its place, should jobs wait
        return;
    }
    emit ended(id, result);
    jobsChanged();
}

// A job has ended: the next ones start, and the pool says when all have
// (once: the workers that end afterwards end no job).
void WorkerPool::jobsChanged()
{
    start();
    if (!isRunning() && m_waiting.isEmpty())
        emit drained();
}

// Workers with nothing left to do end by the end of their input.
void WorkerPool::closeIdle()
{
    if (!m_waiting.isEmpty())
        return;
    for (Worker *worker : std::as_const(m_workers)) {
        if (worker->job < 0 && !worker->closing) {
            worker->closing = true;
            worker->process->closeWriteChannel();
        }
    }
}

QList<QProcess *> WorkerPool::takeWorkers(const std::function<bool(const Worker &)> &which)
{
    QList<QProcess *> taken;
    for (qsizetype i = 0; i < m_workers.size();) {
        Worker *worker = m_workers.at(i);
        if (!which(*worker)) {
            ++i;
            continue;
        }
        taken << worker->process;
        m_workers.removeAt(i);
        delete worker;
    }
    return taken;
}

WorkerStop *WorkerPool::stop(int from, int signal)
{
    m_waiting.removeIf([from](const Waiting &waiting) { return waiting.id >= from; });
    WorkerStop *stopping = WorkerStop::stop(takeWorkers([from](const Worker &w) { return w.job >= from; }), signal);
    closeIdle();
    return stopping;
}

QStringList WorkerPool::unseen(const QStringList &lines)
{
    QStringList fresh;
    for (const QString &line : lines) {
        if (!m_seen.contains(line)) {
            m_seen.insert(line);
            fresh << line;
        }
    }
    return fresh;
}

#include "convert/worker_pool.h"

#include "convert/worker_stop.h"

#include <QCoreApplication>
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
}

void WorkerPool::add(int id, const QStringList &arguments)
{
    m_waiting.append({id, arguments});
}

void WorkerPool::start()
{
    while (m_running.size() < m_limit && !m_waiting.isEmpty())
        startNext();
}

void WorkerPool::startNext()
{
    const Waiting next = m_waiting.takeFirst();
    const int id = next.id;
    auto *worker = new QProcess(this);
    worker->setProgram(QCoreApplication::applicationFilePath());
    worker->setArguments(next.arguments);
    // The worker stops at once when it finds its parent is no longer this.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SAYORA_CONVERT_BATCH"), QString::number(QCoreApplication::applicationPid()));
    worker->setProcessEnvironment(environment);
    worker->setStandardInputFile(QProcess::nullDevice());
    connect(worker, &QProcess::readyReadStandardOutput, this, [this, id, worker] {
        QList<QByteArray> lines;
        while (worker->canReadLine())
            lines << worker->readLine();
        emit output(id, lines);
    });
    connect(worker, &QProcess::finished, this, [this, id, worker] { workerEnded(id, worker); });
    connect(worker, &QProcess::errorOccurred, this, [this, id, worker](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            workerEnded(id, worker);
    });
    m_running.insert(id, worker);
    worker->start();
}

void WorkerPool::workerEnded(int id, QProcess *worker)
{
    if (m_running.value(id) != worker)
        return;
    m_running.remove(id);
    Ended result;
    result.errors = QString::fromLocal8Bit(worker->readAllStandardError()).trimmed();
    result.failedToStart = worker->error() == QProcess::FailedToStart;
    result.killed = !result.failedToStart && worker->exitStatus() != QProcess::NormalExit;
    result.startError = worker->errorString();
    if (result.failedToStart) {
        result.code = Convert::RenderFailed;
    } else if (result.killed) {
        // The memory killer, an administrator: another try may well pass.
        result.code = Convert::RetryFailed;
    } else {
        const int code = worker->exitCode();
        result.code = code >= 0 && code <= Convert::RetryFailed ? Convert::ExitCode(code) : Convert::RenderFailed;
    }
    worker->disconnect(this);
    worker->deleteLater();
    emit ended(id, result);
    start();
    if (m_running.isEmpty() && m_waiting.isEmpty())
        emit drained();
}

WorkerStop *WorkerPool::stop(int from, int signal)
{
    m_waiting.removeIf([from](const Waiting &waiting) { return waiting.id >= from; });
    QList<QProcess *> workers;
    for (auto it = m_running.begin(); it != m_running.end();) {
        if (it.key() >= from) {
            workers << it.value();
            it = m_running.erase(it);
        } else {
            ++it;
        }
    }
    return WorkerStop::stop(workers, signal);
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

#include "convert/worker_stop.h"

#include <QProcess>

#include <csignal>

WorkerStop *WorkerStop::stop(const QList<QProcess *> &workers, int signal, int graceMs)
{
    QList<QProcess *> running;
    for (QProcess *worker : workers) {
        if (worker && worker->state() != QProcess::NotRunning)
            running << worker;
    }
    return running.isEmpty() ? nullptr : new WorkerStop(running, signal, graceMs);
}

WorkerStop::WorkerStop(const QList<QProcess *> &workers, int signal, int graceMs)
{
    m_grace.setSingleShot(true);
    connect(&m_grace, &QTimer::timeout, this, [this] {
        for (QProcess *worker : findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
            if (worker->state() != QProcess::NotRunning)
                worker->kill();
        }
    });
    for (QProcess *worker : workers) {
        // Its owner hears no more of it.
        worker->disconnect();
        worker->setParent(this);
        ++m_running;
        connect(worker, &QProcess::finished, this, &WorkerStop::workerEnded);
        if (worker->state() == QProcess::Starting) {
            // A signal to a process not yet running its program would be lost
            // or ignored: it is sent once the program runs.
            connect(worker, &QProcess::started, this, [worker, signal] { ::kill(pid_t(worker->processId()), signal); });
            connect(worker, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    workerEnded();
            });
        } else {
            ::kill(pid_t(worker->processId()), signal);
        }
    }
    m_grace.start(graceMs);
}

void WorkerStop::workerEnded()
{
    if (--m_running > 0)
        return;
    m_grace.stop();
    emit ended();
    deleteLater();
}

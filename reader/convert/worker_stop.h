#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class QProcess;

// Ends worker processes together: each is sent the signal at once, those
// still running after a grace period are killed, and ended() comes when the
// last has ended. Nothing waits meanwhile: the event loop goes on, and the
// workers are ended whoever asked for it is gone, since they belong to this
// object, which deletes itself after ended().
class WorkerStop : public QObject
{
    Q_OBJECT
public:
    // Null when none of workers is running (those not running stay where
    // they are); otherwise the running ones are taken over.
    static WorkerStop *stop(const QList<QProcess *> &workers, int signal, int graceMs = 10000);

signals:
    void ended();

private:
    explicit WorkerStop(const QList<QProcess *> &workers, int signal, int graceMs);
    void workerEnded();

    int m_running = 0;
    QTimer m_grace;
};

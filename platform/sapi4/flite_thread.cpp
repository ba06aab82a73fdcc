#include "flite_thread.h"

#include <QMetaObject>
#include <QMutex>
#include <QThread>

std::shared_ptr<FliteThread> FliteThread::instance()
{
    static QMutex mutex;
    static std::weak_ptr<FliteThread> shared;
    QMutexLocker lock(&mutex);
    std::shared_ptr<FliteThread> thread = shared.lock();
    if (!thread) {
        thread.reset(new FliteThread);
        shared = thread;
    }
    return thread;
}

FliteThread::FliteThread()
    : m_thread(new QThread)
    , m_context(new QObject)
{
    m_thread->setObjectName(QStringLiteral("flite"));
    m_context->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread->start();
}

FliteThread::~FliteThread()
{
    // Jobs still queued are dropped with the context object (deleted as the
    // thread finishes); each holds only shared state, never its owner.
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void FliteThread::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_context, std::move(job), Qt::QueuedConnection);
}

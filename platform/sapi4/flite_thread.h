#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QThread;

// The one thread that calls flite. flite's voices keep state shared by
// every caller, so all DirectSS objects queue their work here, in order.
// The thread lives while some owner holds it.
class FliteThread
{
public:
    static std::shared_ptr<FliteThread> instance();
    ~FliteThread();

    FliteThread(const FliteThread &) = delete;
    FliteThread &operator=(const FliteThread &) = delete;

    // Runs job on the flite thread after the jobs posted before it.
    void post(std::function<void()> job);

private:
    FliteThread();

    QThread *m_thread = nullptr;
    QObject *m_context = nullptr;  // lives on m_thread; jobs run in its context
};

#pragma once

#include <QObject>
#include <initializer_list>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT brought into the event loop: the handler only
// writes the signal's number into a pipe (saving errno, never blocking), and
// received() is emitted on the thread that installed it. Whoever handles
// received() finishes what must not be left half-done, then calls endBy().
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // One per process; a second call returns the first.
    static TerminationSignals *install(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Ends the process by signalNumber with its default action, so the
    // parent sees the signal it sent.
    [[noreturn]] static void endBy(int signalNumber);

signals:
    void received(int signalNumber);

private:
    explicit TerminationSignals(QObject *parent);
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

#include "shell/termination_signals.h"

#include <QList>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
TerminationSignals *instance = nullptr;
QList<int> installed;

extern "C" void onSignal(int signalNumber)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Non-blocking: a full pipe already holds a signal to act on.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals *TerminationSignals::install(std::initializer_list<int> signalNumbers, QObject *parent)
{
    if (instance)
        return instance;
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    instance = new TerminationSignals(parent);
    for (int number : signalNumbers) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (::sigaction(number, &action, nullptr) == 0)
            installed.append(number);
    }
    return instance;
}

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals()
{
    // Nobody reads the pipe any more: the signals end the process again.
    for (int number : std::as_const(installed))
        ::signal(number, SIG_DFL);
    installed.clear();
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
    instance = nullptr;
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1)
        emit received(byte);
}

void TerminationSignals::endBy(int signalNumber)
{
    std::fflush(stdout);
    std::fflush(stderr);
    ::signal(signalNumber, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signalNumber);
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signalNumber);
    std::_Exit(128 + signalNumber);
}

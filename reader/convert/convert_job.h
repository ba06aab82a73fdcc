#pragma once

#include "convert/convert_options.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// What the converter's runner drives, whatever it was asked for: one
// conversion, a batch, a book split into chapters. It starts the job in
// the event loop, shows its progress, passes an interrupt on, and ends
// the process with its status. A job raises finished() once, or after
// interrupt() stopped() once its workers have ended.
class ConvertJob : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;
    // Stops at once for an interrupt by `signal`: the workers are told,
    // all together, and remove their temporaries; stopped() follows.
    virtual void interrupt(int signal) = 0;

    virtual bool isFinished() const = 0;
    virtual Convert::ExitCode exitCode() const = 0;
    // The line that says why it failed; empty when there is none to add.
    virtual QString error() const = 0;

    // The progress bar: what is being done, how much of it, and in what
    // phase.
    virtual QString label() const = 0;
    virtual double fraction() const = 0;
    virtual QString phase() const = 0;
    // A worker's report to the pool that runs it; empty when none.
    virtual QByteArray workerReport() const { return {}; }
    // What an interrupt left, said once; empty: nothing to say.
    virtual QString interruptedLine() const = 0;
    // A last line for a person at a terminal; empty: none.
    virtual QString summary() const { return {}; }

signals:
    void progressed();
    // A line for standard error that does not stop the job.
    void warned(const QString &line);
    void finished();
    void stopped();
};

#pragma once

// The bare tools the export benchmarks compare against: the engine library
// alone synthesizing a text file to a WAV file, in a child process of the
// benchmark (so no state is shared with what is measured), then `lame -f`.
// Also how a benchmark runs a program and learns its peak memory.

#include <QString>
#include <QStringList>

#include <functional>

class QTemporaryDir;

namespace bench {

// When this process was started as the bare tools' child
// (`--bare espeak|flite IN OUT`), does that work and returns true with its
// exit code in `exitCode`; otherwise returns false. Call it first in main.
bool runAsBareChild(int argc, char *argv[], int *exitCode);

struct ChildRun
{
    double ms = 0;
    // ru_maxrss from wait4: the largest of the process and of the children
    // it waited for.
    double peakMegabytes = 0;
    // The exit status, 128 + the signal when one ended it, -1 when the
    // program could not be started.
    int exitCode = -1;
};

// Runs a program (looked up in PATH when it has no slash) with this
// process's environment and standard files to its end. With `whileRunning`
// the child is polled every 2 ms instead of waited for, and each poll that
// finds it running calls whileRunning(its pid, milliseconds since the start).
ChildRun runChild(const QString &program, const QStringList &arguments,
                  const std::function<void(qint64 pid, double ms)> &whileRunning = {});

struct BareRun
{
    double ms = 0;           // both steps
    double renderingMs = 0;  // the engine's child alone
    double peakMegabytes = 0;  // the larger of the engine's child and lame
};

// The bare tools on `text` ("espeak": espeak-ng en-us; "flite": kal16 in
// 400-character pieces), writing in.txt, bare.wav and bare.mp3 in `dir`.
// The time starts once the text file is written.
BareRun bareTools(const QString &engine, const QString &text, const QTemporaryDir &dir);

}  // namespace bench

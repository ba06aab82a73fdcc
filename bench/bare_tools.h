#pragma once

// The bare tools the export benchmarks compare against, as a user types
// them: the engine's own program writing a WAV file (`espeak-ng -w`,
// `flite -o`), then the encoder (`lame -f`, or FFmpeg's AAC encoder for an
// audiobook). Also how a benchmark runs a program and learns its peak memory.

#include <QString>
#include <QStringList>

#include <functional>

class QTemporaryDir;

namespace bench {

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
    double renderingMs = 0;  // the engine's program alone
    double peakMegabytes = 0;  // the larger of the engine and the encoder
    int exitCode = 0;        // the first step's that failed, or 0
};

// What the bare tools encode to: MP3 with `lame -f`, or AAC in MP4 with
// `ffmpeg` at the settings the converter's M4B uses (64 kbit/s, the fast coder).
// LameWithoutReplayGain: `lame -f --noreplaygain`, the same file without
// the loudness analysis lame makes by default, which on some CPUs costs
// more than the encoding (for a stricter comparison).
enum class BareEncoder { Lame, LameWithoutReplayGain, Aac };

// The MP3 encoder a benchmark's command line asks for: --no-replaygain.
BareEncoder mp3Encoder(const QStringList &arguments);

// The engine's command that writes a WAV, less the text and the WAV: for
// "espeak", espeak-ng's en-us; for "flite", flite's kal16.
QStringList engineCommand(const QString &engine);

// The bare tools on the text file `in`, writing bare.wav and bare.mp3 (or
// bare.m4a) in `dir`.
BareRun bareTools(const QStringList &engine, const QString &in, const QTemporaryDir &dir,
                  BareEncoder encoder = BareEncoder::Lame);
// The same on `text`, written to in.txt in `dir` first (not timed).
BareRun bareTools(const QString &engine, const QString &text, const QTemporaryDir &dir,
                  BareEncoder encoder = BareEncoder::Lame);

}  // namespace bench

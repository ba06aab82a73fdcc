#pragma once

// Helpers shared by the benchmarks.

#include "audio/speech_player.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace bench {

// A text of exactly `length` characters made of one sentence repeated.
inline QString textOfLength(qsizetype length)
{
    static const QString sentence =
        QStringLiteral("The reader speaks this sentence, then the next one, until the text ends. ");
    QString text;
    text.reserve(length + sentence.size());
    while (text.size() < length)
        text += sentence;
    text.truncate(length);
    return text;
}

// A line of /proc/self/status in MB ("VmHWM:" peak, "VmRSS:" current).
inline double statusMegabytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Nearest-rank percentile (p from 0 to 100); NaN for no values.
inline double percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<qsizetype>(std::ceil(p / 100.0 * values.size()));
    return values.at(std::clamp<qsizetype>(rank - 1, 0, values.size() - 1));
}

inline double median(const QList<double> &values)
{
    return percentile(values, 50);
}

// Ends a benchmark as the reader ends: every audio output closed while Qt
// is whole, then no exit handlers (Qt 6.4 tears down its PulseAudio engine
// there without the engine's lock and now and then aborts).
[[noreturn]] inline void finish(int code = 0)
{
    SpeechPlayer::closeAllOutputs();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

}  // namespace bench

#pragma once

// Helpers shared by the benchmarks.

#include "audio/speech_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <QByteArray>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <QList>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace bench {

// Runs the event loop until `done` holds or `ms` pass, asking every `tickMs`.
// The loop sleeps between events: a loop that spins takes a core from the
// engines, the encoders and the converter's workers it is timing.
inline bool waitUntil(const std::function<bool()> &done, int ms, int tickMs = 2)
{
    QDeadlineTimer deadline(ms);
    QTimer tick;
    tick.start(tickMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

// The window shown and active, as a user's first key press finds it.
inline bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

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

// A paragraph of the books the benchmarks make.
inline const QString bookParagraph = QStringLiteral(
    "The reader follows the order of the page, joins the lines of each paragraph and the words that "
    "were hyphenated at a line end, and leaves out what repeats on every page. ");

// Pages of running text with a running header and a page number.
inline bool writePdfBook(const QString &path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    QFont font(QStringLiteral("Liberation Serif"), 11);
    painter.setFont(font);
    const QRectF body(60, 70, 475, 700);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.drawText(QPointF(60, 40), QStringLiteral("A Benchmark Book"));
        QString text;
        for (int p = 0; p < 6; ++p)
            text += QStringLiteral("%1 %2 %3\n").arg(bookParagraph, bookParagraph, bookParagraph);
        painter.drawText(body, text, option);
        painter.drawText(QPointF(290, 810), QString::number(page));
    }
    return painter.end();
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

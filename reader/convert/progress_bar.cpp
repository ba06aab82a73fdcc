#include "convert/progress_bar.h"

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

int terminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void writeErr(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

}  // namespace

ProgressBar::ProgressBar(bool enabled)
    : m_enabled(enabled && isatty(STDERR_FILENO))
{
    m_started.start();
}

QString ProgressBar::duration(qint64 seconds)
{
    seconds = std::max<qint64>(0, seconds);
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString ProgressBar::line(const QString &label, double fraction, const QString &phase, qint64 elapsedMs, int columns)
{
    fraction = std::clamp(fraction, 0.0, 1.0);
    QString times = duration(elapsedMs / 1000);
    // The rest is guessed from the pace so far, once there is a pace.
    if (fraction >= 0.02 && fraction < 1.0)
        times += QCoreApplication::translate("Convert", ", %1 left").arg(duration(qint64(std::ceil(elapsedMs / 1000.0 * (1.0 - fraction) / fraction))));
    // Padded, so the bar keeps its length when the time left goes.
    const QString tail = QStringLiteral(" %1% %2 %3").arg(int(fraction * 100), 3).arg(phase, times).leftJustified(34);
    // The bar takes what the label and the tail leave, at least 10 cells.
    QString name = label;
    const int barCells = std::max(10, int(columns - 1 - tail.size() - 3 - std::min<qsizetype>(name.size(), 24)));
    if (name.size() > 24)
        name = QStringLiteral("…") + name.right(23);
    const int filled = int(std::floor(fraction * barCells));
    QString bar = QString(filled, u'=');
    if (filled < barCells)
        bar += (filled > 0 ? QStringLiteral(">") : QStringLiteral(" ")) + QString(barCells - filled - 1, u' ');
    const QString result = QStringLiteral("%1 [%2]%3").arg(name, bar, tail);
    return result.left(std::max(1, columns - 1)).trimmed();
}

void ProgressBar::show(const QString &label, double fraction, const QString &phase, bool force)
{
    if (!m_enabled || (!force && m_drawn.isValid() && m_drawn.elapsed() < 100))
        return;
    m_drawn.start();
    m_shown = line(label, fraction, phase, m_started.elapsed(), terminalColumns());
    writeErr(QStringLiteral("\r\033[K") + m_shown);
}

void ProgressBar::print(const QString &line)
{
    if (m_enabled && !m_shown.isEmpty())
        writeErr(QStringLiteral("\r\033[K") + line + u'\n' + m_shown);
    else
        writeErr(line + u'\n');
}

void ProgressBar::clear()
{
    if (m_enabled && !m_shown.isEmpty())
        writeErr(QStringLiteral("\r\033[K"));
    m_shown.clear();
}

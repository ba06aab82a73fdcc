#pragma once

#include <QElapsedTimer>
#include <QString>

// One line on standard error that redraws itself: what is being done, a
// bar, the percentage, the time spent and the time still needed. Draws
// nothing unless standard error is a terminal and it is enabled.
class ProgressBar
{
public:
    explicit ProgressBar(bool enabled);

    bool enabled() const { return m_enabled; }
    // fraction 0 … 1 of the whole work; redraws at most ten times a second
    // unless forced.
    void show(const QString &label, double fraction, const QString &phase, bool force = false);
    // Prints a line of its own (a failure), keeping the bar below it.
    void print(const QString &line);
    void clear();

    // "12:34", "1:02:03".
    static QString duration(qint64 seconds);
    // The line for a terminal of `columns` characters.
    static QString line(const QString &label, double fraction, const QString &phase, qint64 elapsedMs, int columns);

private:
    bool m_enabled = false;
    QElapsedTimer m_started;
    QElapsedTimer m_drawn;
    QString m_shown;
};

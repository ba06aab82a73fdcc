#include "export/elapsed_time.h"

QString FormatElapsed(qint64 seconds)
{
    auto two = [](qint64 n) { return (QStringLiteral("0") + QString::number(n)).right(2); };
    return two(seconds / 3600) + QLatin1Char(':') + two((seconds / 60) % 60) + QLatin1Char(':') + two(seconds % 60);
}

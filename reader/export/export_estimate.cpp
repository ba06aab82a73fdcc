#include "export/export_estimate.h"

#include <algorithm>

namespace ExportEstimate {

QString exportText(const QString &boxText)
{
    return boxText.trimmed();
}

qint64 estimateTextLength(const QString &exportText)
{
    QString text = exportText;
    return text.replace(QStringLiteral("  "), QString()).size();
}

double estimateWaveSize(qint64 textLength, int rate, int sampleRate)
{
    const double voice = sampleRate > 0 ? double(sampleRate) / estimateSampleRate : 1.0;
    return (29.0 / std::max(rate, 1)) * (double(textLength) / 10000.0 * 24844076.0) / 50.0 * voice;
}

double longestWaveBytes(qint64 textLength, int wordsPerMinute, int sampleRate)
{
    const double charactersPerSecond = std::max(wordsPerMinute, 1) * 5.0 / 60.0;
    return double(textLength) / charactersPerSecond * 2.0 * std::max(sampleRate, 1);
}

double estimateMp3Size(qint64 waveBytes)
{
    return double(waveBytes) / 24844076.0 * 2253740.0 / 50.0;
}

} // namespace ExportEstimate

#include "update/update_rules.h"

#include <QLocale>
#include <algorithm>
#include <cctype>
#include <cmath>

std::optional<double> versionNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (QLocale locale : {QLocale(), QLocale::c()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value))
            return value;
    }
    return std::nullopt;
}

QString firstLine(const QByteArray &bytes)
{
    qsizetype end = bytes.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            end = i;
            break;
        }
    }
    return QString::fromUtf8(bytes.left(end));
}

QByteArray installerChecksum(const QByteArray &versionFile)
{
    QList<QByteArray> lines = versionFile.split('\n');
    if (lines.size() < 2)
        return QByteArray();
    const QByteArray hex = lines[1].trimmed();
    if (hex.size() != 64 || !std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return QByteArray();
    return QByteArray::fromHex(hex);
}

qint64 contentLength(const QString &header)
{
    bool ok = false;
    const double value = header.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 1e15)
        return 0;
    return qint64(std::nearbyint(value));
}

void DownloadProgress::firstChunk(qint64 bytes)
{
    m_counter = 1000;
    m_received = bytes;
    show(false);
}

void DownloadProgress::nextChunk(qint64 bytes)
{
    m_counter += 1024;
    m_received += bytes;
    show(true);
}

void DownloadProgress::show(bool moveBar)
{
    if (m_size <= 0) {
        // Without a length no percentage is known: show what has arrived.
        m_text = QStringLiteral("%1 KB").arg(m_received / 1024);
        return;
    }
    const double percent = double(m_counter * 100) / double(m_size);
    const double rounded = std::nearbyint(percent);
    m_text = percent <= 100 ? QStringLiteral("%1%").arg(qint64(rounded)) : QStringLiteral("100%");
    if (moveBar)
        m_barTwips = int(std::min<double>(rounded * 50, trackTwips));
}

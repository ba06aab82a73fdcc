#include "audio/wave_file.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <unistd.h>

namespace WaveFile {

QByteArray header(int sampleRate, qint64 dataBytes, int channels)
{
    const quint32 data = quint32(std::clamp<qint64>(dataBytes, 0, 0xFFFFFFFFLL - 36));
    QByteArray h(headerBytes, '\0');
    char *p = h.data();
    auto put32 = [p](int at, quint32 v) { qToLittleEndian<quint32>(v, p + at); };
    auto put16 = [p](int at, quint16 v) { qToLittleEndian<quint16>(v, p + at); };
    std::memcpy(p, "RIFF", 4);
    put32(4, 36 + data);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    put32(16, 16);  // size of the fmt chunk
    put16(20, 1);   // PCM
    put16(22, quint16(channels));
    put32(24, quint32(sampleRate));
    put32(28, quint32(sampleRate) * 2 * quint32(channels));
    put16(32, quint16(2 * channels));  // bytes per frame
    put16(34, 16);                     // bits per sample
    std::memcpy(p + 36, "data", 4);
    put32(40, data);
    return h;
}

QString writeAt(int fd, qint64 offset, const char *data, qint64 bytes)
{
    while (bytes > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(bytes), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return QString::fromLocal8Bit(std::strerror(n < 0 ? errno : EIO));
        data += n;
        offset += n;
        bytes -= n;
    }
    return {};
}

Info read(const QByteArray &head, qint64 fileSize)
{
    Info info;
    if (head.size() < headerBytes || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt "
        || head.mid(36, 4) != "data")
        return info;
    const char *p = head.constData();
    info.channels = qFromLittleEndian<quint16>(p + 22);
    info.sampleRate = int(qFromLittleEndian<quint32>(p + 24));
    info.dataBytes = qFromLittleEndian<quint32>(p + 40);
    info.valid = qFromLittleEndian<quint16>(p + 20) == 1 && qFromLittleEndian<quint16>(p + 34) == 16
        && info.channels > 0 && info.sampleRate > 0 && qFromLittleEndian<quint32>(p + 4) == 36 + info.dataBytes
        && info.dataBytes == fileSize - headerBytes;
    return info;
}

Info readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(file.read(headerBytes), file.size());
}

} // namespace WaveFile

void WaveFile::scale(QByteArray &pcm, double gain)
{
    if (gain >= 1.0)
        return;
    gain = std::max(gain, 0.0);
    char *data = pcm.data();
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2) {
        qint16 sample;
        std::memcpy(&sample, data + i, 2);
        sample = qint16(std::lround(sample * gain));
        std::memcpy(data + i, &sample, 2);
    }
}

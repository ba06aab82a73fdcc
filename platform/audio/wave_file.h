#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The 44-byte header of a PCM WAV file: mono or more channels of 16-bit
// samples, written by the file outputs of both engine layers and checked
// by whoever reads such a file back.
namespace WaveFile {

constexpr qint64 headerBytes = 44;

// RIFF sizes are 32-bit: a longer data part says the most it can.
QByteArray header(int sampleRate, qint64 dataBytes, int channels = 1);

struct Info
{
    bool valid = false;   // 16-bit PCM whose sizes agree with the file's
    int sampleRate = 0;
    int channels = 0;
    qint64 dataBytes = 0;
    double seconds() const { return valid ? double(dataBytes) / (2.0 * channels * sampleRate) : 0; }
};
// Writes bytes at offset of the open file fd, all of them; empty on
// success, else the system's reason (such as "No space left on device").
QString writeAt(int fd, qint64 offset, const char *data, qint64 bytes);

// Reads a header as header() writes it; fileSize is the whole file's.
Info read(const QByteArray &head, qint64 fileSize);
// The same, for the file at path; invalid when it cannot be opened.
Info readFile(const QString &path);

// Scales 16-bit samples by gain, 0 … 1 (1 leaves them as they are).
void scale(QByteArray &pcm, double gain);

} // namespace WaveFile

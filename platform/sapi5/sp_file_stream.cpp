#include "sapi5/sp_voice.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHeaderSize = 44;

QByteArray waveHeader(int sampleRate, quint32 dataBytes)
{
    QByteArray h(kHeaderSize, '\0');
    char *p = h.data();
    auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, p + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian<quint16>(v, p + at); };
    std::memcpy(p, "RIFF", 4);
    put32(4, 36 + dataBytes);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    put32(16, 16);              // size of the fmt chunk
    put16(20, 1);               // PCM
    put16(22, 1);               // mono
    put32(24, quint32(sampleRate));
    put32(28, quint32(sampleRate) * 2);
    put16(32, 2);               // bytes per frame
    put16(34, 16);              // bits per sample
    std::memcpy(p + 36, "data", 4);
    put32(40, dataBytes);
    return h;
}

}  // namespace

struct SpFileStream::Private
{
    QFile file;
    QString error;
    int sampleRate = 22050;
    qint64 dataBytes = 0;
    bool failed = false;
};

SpFileStream::SpFileStream(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
}

SpFileStream::~SpFileStream()
{
    Close();
}

bool SpFileStream::Open(const QString &fileName, int mode, bool)
{
    Close();
    d->error.clear();
    d->failed = false;
    d->dataBytes = 0;
    if (mode != SSFMCreateForWrite) {
        d->error = tr("Only creating a file for writing is supported.");
        return false;
    }
    d->file.setFileName(fileName);
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        d->error = d->file.errorString();
        return false;
    }
    // The sizes are filled in by Close().
    if (d->file.write(waveHeader(d->sampleRate, 0)) != kHeaderSize) {
        d->error = d->file.errorString();
        d->file.close();
        return false;
    }
    return true;
}

bool SpFileStream::Close()
{
    if (!d->file.isOpen())
        return !d->failed;
    bool ok = !d->failed;
    // A RIFF file cannot describe more than 4 GiB of data.
    const quint32 bytes = quint32(std::min<qint64>(d->dataBytes, 0xFFFFFFFFLL - 36));
    if (!d->file.seek(0) || d->file.write(waveHeader(d->sampleRate, bytes)) != kHeaderSize) {
        d->error = d->file.errorString();
        ok = false;
    }
    if (!d->file.flush()) {
        d->error = d->file.errorString();
        ok = false;
    }
    d->file.close();
    return ok;
}

bool SpFileStream::isOpen() const
{
    return d->file.isOpen();
}

QString SpFileStream::fileName() const
{
    return d->file.fileName();
}

QString SpFileStream::errorString() const
{
    return d->error;
}

bool SpFileStream::writePcm(const QByteArray &pcm, int sampleRate)
{
    if (!d->file.isOpen() || d->failed)
        return false;
    if (d->dataBytes == 0)
        d->sampleRate = sampleRate;
    const qint64 n = d->file.write(pcm);
    if (n != pcm.size()) {
        d->error = d->file.errorString();
        d->failed = true;
        return false;
    }
    d->dataBytes += n;
    return true;
}

qint64 SpFileStream::bytesWritten() const
{
    return d->dataBytes;
}

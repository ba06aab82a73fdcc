#include "sapi5/sp_voice.h"

#include "audio/wave_file.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>


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
    if (d->file.write(WaveFile::header(d->sampleRate, 0)) != WaveFile::headerBytes) {
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
    if (!d->file.seek(0) || d->file.write(WaveFile::header(d->sampleRate, d->dataBytes)) != WaveFile::headerBytes) {
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

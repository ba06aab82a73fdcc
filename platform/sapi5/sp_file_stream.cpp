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
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        d->error = d->file.errorString();
        return false;
    }
    // The sizes are filled in by Close(). Written straight to the file, so
    // that a refusal comes with its reason.
    const QByteArray header = WaveFile::header(d->sampleRate, 0);
    d->error = WaveFile::writeAt(d->file.handle(), 0, header.constData(), header.size());
    if (!d->error.isEmpty()) {
        d->file.close();
        return false;
    }
    return true;
}

bool SpFileStream::Close()
{
    if (!d->file.isOpen())
        return !d->failed;
    // A file cut by a failed write keeps its unfinished header: nobody may
    // take it for whole.
    if (d->failed) {
        d->file.close();
        return false;
    }
    const QByteArray header = WaveFile::header(d->sampleRate, d->dataBytes);
    d->error = WaveFile::writeAt(d->file.handle(), 0, header.constData(), header.size());
    const bool ok = d->error.isEmpty();
    d->failed = !ok;
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
    d->error = WaveFile::writeAt(d->file.handle(), WaveFile::headerBytes + d->dataBytes, pcm.constData(), pcm.size());
    if (!d->error.isEmpty()) {
        d->failed = true;
        return false;
    }
    d->dataBytes += pcm.size();
    return true;
}

qint64 SpFileStream::bytesWritten() const
{
    return d->dataBytes;
}

#include "convert/part_encoder.h"

#include "audio/wave_file.h"
#include "convert/m4b_writer.h"

#include <QFile>
#include <QThread>

PartEncoder::PartEncoder(QObject *parent)
    : QObject(parent)
{
}

PartEncoder::~PartEncoder()
{
    stop();
}

void PartEncoder::start(const QString &wave, const QString &part, int kbps)
{
    m_stop = false;
    m_progress = 0;
    m_thread = QThread::create([this, wave, part, kbps] {
        m_error = encode(wave, part, kbps, m_stop, m_progress);
        if (m_error.isEmpty())
            QFile::remove(wave);
    });
    connect(m_thread, &QThread::finished, this, [this] {
        delete std::exchange(m_thread, nullptr);
        emit finished(m_error);
    });
    m_thread->start();
}

void PartEncoder::stop()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->disconnect(this);
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
}

QString PartEncoder::encode(const QString &wave, const QString &part, int kbps, const std::atomic<bool> &stop,
                            std::atomic<double> &progress)
{
    const WaveFile::Info info = WaveFile::readFile(wave);
    QFile in(wave);
    if (!info.valid || info.channels != 1 || !in.open(QIODevice::ReadOnly) || !in.seek(WaveFile::headerBytes))
        return tr("the rendered sound cannot be read");
    const std::unique_ptr<M4bWriter> out = M4bWriter::create(part);
    if (!out->startEncoding(info.sampleRate, kbps))
        return out->errorString();
    // In slices: a part of a book is large.
    for (qint64 left = info.dataBytes; left > 0;) {
        const QByteArray slice = in.read(std::min<qint64>(left, 1 << 20) & ~qint64(1));
        if (stop)
            return tr("stopped");
        if (slice.isEmpty())
            return tr("the rendered sound cannot be read");
        if (!out->write(reinterpret_cast<const qint16 *>(slice.constData()), slice.size() / 2))
            return out->errorString();
        left -= slice.size();
        progress = 1.0 - double(left) / double(info.dataBytes);
    }
    if (!out->finish())
        return out->errorString();
    progress = 1;
    return {};
}

#include "export/growing_wave_encoder.h"

#include "audio/wave_file.h"

#include <QFile>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

GrowingWaveEncoder::Sink::~Sink() = default;

GrowingWaveEncoder::GrowingWaveEncoder(QObject *parent)
    : QObject(parent)
{
}

GrowingWaveEncoder::~GrowingWaveEncoder()
{
    stop();
}

void GrowingWaveEncoder::start(const QString &wave, int sampleRate, std::unique_ptr<Sink> sink)
{
    stop();
    m_sink = std::move(sink);
    m_error.clear();
    m_growths = 0;
    m_completeBytes = -1;
    m_completeRate = 0;
    m_stop = false;
    m_encodedBytes = 0;
    m_seenBytes = 0;
    m_totalBytes = -1;
    m_thread = QThread::create([this, wave, sampleRate] { m_error = encode(wave, sampleRate); });
    connect(m_thread, &QThread::finished, this, [this] {
        delete std::exchange(m_thread, nullptr);
        m_sink.reset();
        emit finished(m_error);
    });
    m_thread->start();
}

void GrowingWaveEncoder::grown()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_growths;
    }
    m_wake.notify_one();
}

void GrowingWaveEncoder::complete(qint64 dataBytes, int sampleRate)
{
    {
        const std::lock_guard lock(m_mutex);
        m_completeBytes = std::max<qint64>(0, dataBytes) & ~qint64(1);
        m_completeRate = sampleRate;
    }
    m_totalBytes = std::max<qint64>(0, dataBytes) & ~qint64(1);
    m_wake.notify_one();
}

void GrowingWaveEncoder::stop()
{
    if (!m_thread)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread->disconnect(this);
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    m_sink.reset();
}

double GrowingWaveEncoder::progress(double rendered) const
{
    const double encoded = double(m_encodedBytes);
    if (const qint64 total = m_totalBytes; total >= 0)
        return total == 0 ? 1.0 : std::clamp(encoded / double(total), 0.0, 1.0);
    const qint64 seen = m_seenBytes;
    return seen > 0 ? std::clamp(rendered * encoded / double(seen), 0.0, 1.0) : 0.0;
}

// On the encoder's thread.
QString GrowingWaveEncoder::encode(const QString &wave, int sampleRate)
{
    const int fd = ::open(QFile::encodeName(wave).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return tr("the rendered sound cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    // A slice of about 12 s of speech at 22 kHz: small enough that a stop
    // is heard within a few tens of milliseconds.
    constexpr qint64 sliceBytes = 1 << 19;
    std::vector<qint16> slice(size_t(sliceBytes / 2));
    int rate = sampleRate;
    bool opened = false;
    qint64 done = 0;  // sound bytes encoded
    quint64 growthsSeen = 0;
    for (;;) {
        qint64 whole = -1;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stop || m_completeBytes >= 0 || m_growths != growthsSeen; });
            if (m_stop)
                return tr("stopped");
            growthsSeen = m_growths;
            whole = m_completeBytes;
            if (whole >= 0 && m_completeRate != rate) {
                // Known only now, or not the one expected: encoded anew.
                rate = m_completeRate;
                opened = false;
                done = 0;
                m_encodedBytes = 0;
            }
        }
        if (rate <= 0) {
            if (whole < 0)
                continue;
            return tr("the rendered sound cannot be read");
        }
        qint64 available = whole;
        if (available < 0) {
            struct stat info{};
            if (::fstat(fd, &info) != 0)
                return tr("the rendered sound cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            available = std::max<qint64>(0, qint64(info.st_size) - WaveFile::headerBytes) & ~qint64(1);
            m_seenBytes = available;
        }
        if (!opened) {
            if (!m_sink->open(rate))
                return m_sink->errorString();
            opened = true;
        }
        while (done < available) {
            const qint64 wanted = std::min(available - done, sliceBytes);
            const ssize_t got = ::pread(fd, slice.data(), size_t(wanted), off_t(WaveFile::headerBytes + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 1) {
                if (whole < 0)
                    break;  // not there yet after all: the next growth says
                return tr("the rendered sound cannot be read (it ends before its header says)");
            }
            const qsizetype samples = qsizetype(got / 2);
            if (!m_sink->write(slice.data(), samples))
                return m_sink->errorString();
            done += qint64(samples) * 2;
            m_encodedBytes = done;
            const std::lock_guard lock(m_mutex);
            if (m_stop)
                return tr("stopped");
        }
        if (whole >= 0 && done >= whole)
            return m_sink->finish() ? QString() : m_sink->errorString();
    }
}

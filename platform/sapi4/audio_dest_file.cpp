#include "sapi4/audio_dest_file.h"

#include "audio/wave_file.h"
#include "com/ref_count.h"

#include <QFile>
#include <QMutex>

namespace {

// A WAV file written as the engine renders. The header is written first
// with the sizes unknown and completed by Flush and on release, so the file
// is valid whenever it has been flushed, and again when it is closed. After
// a failed write the header is never completed: a cut file must not pass
// for a whole one.
class AudioDestFile final : public IAudioFile, public IWaveSink
{
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IAudioFile)
            *object = static_cast<IAudioFile *>(this);
        else if (iid == IID_IWaveSink)
            *object = static_cast<IWaveSink *>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    ~AudioDestFile()
    {
        QMutexLocker lock(&m_mutex);
        close();
    }

    HRESULT Set(const QString &file, quint32 flags) override
    {
        QMutexLocker lock(&m_mutex);
        close();
        m_file.setFileName(file);
        QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
        if (flags & AUDIOFILE_CREATE)
            mode |= QIODevice::Truncate;
        else if (m_file.exists())
            return E_ACCESSDENIED;  // never overwrite unasked
        m_dataBytes = 0;
        m_failed = false;
        m_error.clear();
        if (!m_file.open(mode))
            return failWith(m_file.errorString());
        return writeAt(0, WaveFile::header(m_sampleRate, 0)) ? S_OK : E_FAIL;
    }

    HRESULT RealTimeSet(quint16 realTime) override
    {
        m_realTime = realTime;
        return S_OK;
    }
    HRESULT RealTimeGet(quint16 *realTime) override
    {
        if (!realTime)
            return E_POINTER;
        *realTime = m_realTime;
        return S_OK;
    }

    HRESULT Flush() override
    {
        QMutexLocker lock(&m_mutex);
        return complete() ? S_OK : E_FAIL;
    }

    HRESULT WaveFormatSet(int sampleRate) override
    {
        QMutexLocker lock(&m_mutex);
        if (sampleRate <= 0)
            return E_INVALIDARG;
        m_sampleRate = sampleRate;
        return S_OK;
    }

    HRESULT WaveWrite(const char *pcm, qsizetype bytes) override
    {
        QMutexLocker lock(&m_mutex);
        if (!m_file.isOpen())
            return TTSERR_NOAUDIO;
        if (m_failed)
            return E_FAIL;
        if (!writeAt(WaveFile::headerBytes + m_dataBytes, QByteArrayView(pcm, bytes)))
            return E_FAIL;
        m_dataBytes += bytes;
        m_dirty = true;
        return S_OK;
    }

    QString WaveError() override
    {
        QMutexLocker lock(&m_mutex);
        return m_error;
    }

private:
    HRESULT failWith(const QString &error)
    {
        m_failed = true;
        m_error = error.isEmpty() ? QStringLiteral("write error") : error;
        return E_FAIL;
    }

    // Written straight to the file, so that a refusal comes with its reason.
    bool writeAt(qint64 offset, QByteArrayView bytes)
    {
        if (const QString error = WaveFile::writeAt(m_file.handle(), offset, bytes.data(), bytes.size()); !error.isEmpty()) {
            failWith(error);
            return false;
        }
        return true;
    }

    // Rewrites the header with the sizes and sample rate as they are now.
    bool complete()
    {
        if (!m_file.isOpen() || m_failed)
            return !m_failed;
        m_dirty = false;
        return writeAt(0, WaveFile::header(m_sampleRate, m_dataBytes));
    }
    void close()
    {
        if (!m_file.isOpen())
            return;
        if (m_dirty || m_dataBytes == 0)
            complete();
        m_file.close();
    }

    RefCount m_refs;
    QMutex m_mutex;
    QFile m_file;
    int m_sampleRate = 16000;
    qint64 m_dataBytes = 0;
    bool m_dirty = false;
    bool m_failed = false;
    QString m_error;
    std::atomic<quint16> m_realTime{0x100};
};

} // namespace

HRESULT createAudioDestFile(const Guid &iid, void **object)
{
    auto *file = new AudioDestFile;
    const HRESULT result = file->QueryInterface(iid, object);
    file->Release();
    return result;
}

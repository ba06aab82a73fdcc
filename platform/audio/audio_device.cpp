#include "audio/audio_sink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <list>

namespace {

constexpr int kBytesPerSample = 2;

// Device sinks whose stream has ended, kept until deleting them is safe.
// Qt 6.4's PulseAudio sink starts a drain on the sound server when it runs
// dry and close() does not cancel it: the drain's reply names the sink, so
// the sink lives until it is idle (the drain done) or stopped, and a little
// longer for replies already on their way. Its destructor also runs a nested
// event loop, which is why deleting happens here, from a timer of its own,
// never inside one of the player's calls.
class Graveyard : public QObject
{
public:
    static Graveyard &instance()
    {
        static Graveyard *graveyard = new Graveyard;  // lives until the process ends
        return *graveyard;
    }

    void add(std::unique_ptr<QAudioSink> sink, bool stopped)
    {
        m_sinks.push_back({std::move(sink), stopped, QDeadlineTimer(stopped ? kGraceMs : kDrainMs)});
        if (!m_timer.isActive())
            m_timer.start();
    }

    // Stops and deletes every sink now (the program is ending).
    void clear()
    {
        m_timer.stop();
        while (!m_sinks.empty()) {
            std::unique_ptr<QAudioSink> sink = std::move(m_sinks.front().sink);
            m_sinks.pop_front();
            sink->reset();
            sink.reset();
        }
    }

private:
    static constexpr int kDrainMs = 3000;  // a drain never takes longer than the buffer
    static constexpr int kGraceMs = 500;

    struct Entry
    {
        std::unique_ptr<QAudioSink> sink;
        bool stopped = false;
        QDeadlineTimer deadline;
    };

    Graveyard()
    {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { sweep(); });
    }

    void sweep()
    {
        for (auto it = m_sinks.begin(); it != m_sinks.end();) {
            if (!it->stopped) {
                const QAudio::State state = it->sink->state();
                if (state == QAudio::IdleState || state == QAudio::StoppedState || it->deadline.hasExpired()) {
                    it->sink->reset();
                    it->stopped = true;
                    it->deadline.setRemainingTime(kGraceMs);
                }
                ++it;
                continue;
            }
            if (!it->deadline.hasExpired()) {
                ++it;
                continue;
            }
            // Out of the list before the destructor's nested event loop.
            std::unique_ptr<QAudioSink> sink = std::move(it->sink);
            m_sinks.erase(it);
            sink.reset();
            it = m_sinks.begin();
        }
        if (m_sinks.empty())
            m_timer.stop();
    }

    std::list<Entry> m_sinks;
    QTimer m_timer;
};

class DeviceSink final : public AudioSink
{
public:
    DeviceSink(const QAudioDevice &device, int rate, int bufferMs)
    {
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_rate = rate;
        m_bufferMs = bufferMs;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(qsizetype(rate) * kBytesPerSample * m_bufferMs / 1000);
        m_io = m_sink->start();
        qCDebug(lcAudio) << "device" << device.description() << "buffer" << m_sink->bufferSize() << "bytes";
    }

    ~DeviceSink() override
    {
        if (m_sink)
            retire(true);
    }

    void retire(bool cut) override
    {
        if (!m_sink)
            return;
        if (cut || m_dead)
            m_sink->reset();
        Graveyard::instance().add(std::move(m_sink), cut || m_dead);
        m_io = nullptr;
    }

    qint64 write(const char *data, qint64 maxBytes) override
    {
        if (!m_io || failed() || !alive())
            return 0;
        // bytesFree() of Qt 6.4's PulseAudio sink can stay at 0 while the
        // stream plays on, so the fill level is judged from our own count
        // against the play clock; write() still reports what was taken.
        const qint64 queued = (m_written - played()) * kBytesPerSample;
        const qint64 target = qint64(m_rate) * kBytesPerSample * m_bufferMs / 1000;
        const qint64 n = std::min(target - queued, maxBytes) & ~qint64(1);
        if (n <= 0)
            return 0;
        const qint64 written = m_io->write(data, n);
        if (written > 0)
            m_written += written / kBytesPerSample;
        return std::max<qint64>(written, 0);
    }

    qint64 played() override
    {
        const qint64 pos = m_sink->processedUSecs() * m_rate / 1000000;
        return std::min(pos, m_written);
    }

    // Corking a stream the server has dropped waits on an operation that
    // does not exist.
    void suspend() override
    {
        if (alive())
            m_sink->suspend();
    }
    void resume() override
    {
        if (alive())
            m_sink->resume();
    }
    bool drained() const override { return m_sink->state() == QAudio::IdleState; }
    bool failed() const override
    {
        return m_dead || !m_io || m_sink->error() == QAudio::OpenError || m_sink->error() == QAudio::FatalError;
    }

private:
    // Qt 6.4's write() to a stream the sound server no longer has returns
    // with the PulseAudio lock still held, and the next teardown waits for
    // that lock for ever. A stream that is gone reports bytesFree() < 0:
    // from then on the sink counts as failed and is never written to.
    bool alive()
    {
        if (!m_dead && m_sink->bytesFree() < 0) {
            qCWarning(lcAudio) << "the sound server dropped the audio stream";
            m_dead = true;
        }
        return !m_dead;
    }


    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    int m_rate = 0;
    int m_bufferMs = 0;
    qint64 m_written = 0;
    bool m_dead = false;
};
bool hasDefaultOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

std::unique_ptr<AudioSink> openDefaultOutput(int sampleRate, int bufferMs)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    auto sink = std::make_unique<DeviceSink>(device, sampleRate, bufferMs);
    if (sink->failed()) {
        sink->retire(true);
        return nullptr;
    }
    return sink;
}

void closeAll()
{
    Graveyard::instance().clear();
}

const AudioDeviceBackend kBackend{hasDefaultOutput, openDefaultOutput, closeAll};

// Installs the device when this library is loaded.
const struct Install
{
    Install() { setAudioDeviceBackend(&kBackend); }
} g_install;

}  // namespace

// What programs that link this library name, so the linker keeps it.
extern "C" {
Q_DECL_EXPORT extern const int sayora_audio_device;
const int sayora_audio_device = 1;
}

#include "audio/speech_player.h"

#include "audio/audio_sink.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <deque>

Q_LOGGING_CATEGORY(lcAudio, "sayora.audio", QtWarningMsg)

namespace {

std::atomic<bool> g_forceNull{false};
const AudioDeviceBackend *g_backend = nullptr;
// Every player of the process (all on the GUI thread).
QList<SpeechPlayer *> g_players;

constexpr int kBytesPerSample = 2;
// Small buffers: volume changes are heard within one (Stop drops it and
// Pause corks it at once). PulseAudio stalls for whole seconds when a stream
// keeps less than about 150 ms queued, so the device gets more than the
// null sink.
constexpr int kNullBufferMs = 80;
constexpr int kDeviceBufferMs = 200;
// Below this much queued audio the synthesizer is asked for more.
constexpr int kLowWaterMs = 1500;
constexpr int kPollMs = 5;

bool nullSinkForced()
{
    return g_forceNull.load() || qgetenv("SAYORA_AUDIO").trimmed().toLower() == "null";
}

// Scales s16le samples in place; 1.0 leaves them untouched.
void applyGain(char *data, qsizetype bytes, double gain)
{
    if (gain >= 0.9999)
        return;
    const qsizetype count = bytes / kBytesPerSample;
    for (qsizetype i = 0; i < count; ++i) {
        qint16 s;
        std::memcpy(&s, data + i * kBytesPerSample, sizeof s);
        s = static_cast<qint16>(std::lround(s * gain));
        std::memcpy(data + i * kBytesPerSample, &s, sizeof s);
    }
}

}  // namespace


namespace {

class NullSink final : public AudioSink
{
public:
    explicit NullSink(int rate) : m_rate(rate) {}

    qint64 write(const char *, qint64 maxBytes) override
    {
        // Accept only what a small device buffer would hold, so the clock
        // and the queue behave like a real sink.
        const qint64 room = (clock() + m_rate * kNullBufferMs / 1000 - m_written) * kBytesPerSample;
        const qint64 n = std::clamp<qint64>(room, 0, maxBytes) & ~qint64(1);
        if (n > 0) {
            if (m_written == 0 && !m_paused)
                m_timer.start();
            m_written += n / kBytesPerSample;
        }
        return n;
    }

    qint64 played() override { return clock(); }

    void suspend() override
    {
        if (m_paused)
            return;
        m_base = clock();
        m_paused = true;
        m_timer.invalidate();
    }

    void resume() override
    {
        if (!m_paused)
            return;
        m_paused = false;
        if (m_written > 0)
            m_timer.start();
    }

private:
    qint64 clock()
    {
        if (m_paused || !m_timer.isValid())
            return m_base;
        const qint64 pos = m_base + m_timer.nsecsElapsed() * m_rate / 1000000000;
        if (pos >= m_written) {
            // Starved: the clock waits at the end of what was written and
            // runs on from there when more comes.
            m_base = m_written;
            m_timer.start();
            return m_written;
        }
        return pos;
    }

    int m_rate;
    qint64 m_written = 0;
    qint64 m_base = 0;
    bool m_paused = false;
    QElapsedTimer m_timer;
};


}  // namespace

struct SpeechPlayer::Private
{
    SpeechPlayer *q = nullptr;
    std::unique_ptr<AudioSink> sink;
    QTimer poll;
    int rate = 22050;
    double volume = 1.0;
    bool active = false;
    bool paused = false;
    bool inputOpen = false;
    bool startedRaised = false;
    bool firstQueuedRaised = false;
    bool dataRequested = false;
    bool nullSink = false;
    // Bumped whenever the stream is dropped, so a tick notices that a slot
    // connected to one of its signals cancelled or restarted the stream.
    quint64 serial = 0;

    // PCM appended but not yet handed to the sink.
    QByteArray pending;
    qsizetype pendingHead = 0;
    qint64 appendedSamples = 0;
    qint64 handedSamples = 0;
    qint64 played = 0;
    qint64 clockOffset = 0;  // samples played before the current sink took over
    std::deque<WordMark> marks;  // absolute samples, non-decreasing

    static bool hasDevice()
    {
        return g_backend && !nullSinkForced() && g_backend->hasDefaultOutput();
    }

    // Called with the stream active: a sink is in place at every moment,
    // since input queued for the player may run while a failed device sink
    // is let go.
    void openSink()
    {
        const bool device = hasDevice();
        std::unique_ptr<AudioSink> old = std::exchange(sink, std::make_unique<NullSink>(rate));
        nullSink = true;
        if (old)
            old->retire(true);
        if (!device)
            return;
        std::unique_ptr<AudioSink> real = g_backend->openDefaultOutput(rate, kDeviceBufferMs);
        if (!real) {
            qCWarning(lcAudio) << "audio output could not be opened; playing silently";
            return;
        }
        sink = std::move(real);
        nullSink = false;
    }

    // The sink leaves the player before it goes: by then the player is idle,
    // whatever runs while the sink is let go.
    void reset(bool cut = true)
    {
        poll.stop();
        std::unique_ptr<AudioSink> old = std::move(sink);
        pending.clear();
        pendingHead = 0;
        marks.clear();
        appendedSamples = handedSamples = played = clockOffset = 0;
        ++serial;
        active = paused = inputOpen = false;
        startedRaised = firstQueuedRaised = dataRequested = false;
        if (old)
            old->retire(cut);
    }

    void feed()
    {
        const qsizetype available = pending.size() - pendingHead;
        if (available <= 0)
            return;
        // Gain is applied at the last moment so a volume change is heard
        // after at most one device buffer.
        QByteArray chunk = pending.mid(pendingHead, std::min<qsizetype>(available, qsizetype(rate) * kBytesPerSample / 4));
        applyGain(chunk.data(), chunk.size(), volume);
        const qint64 n = sink->write(chunk.constData(), chunk.size());
        if (n <= 0)
            return;
        pendingHead += n;
        handedSamples += n / kBytesPerSample;
        if (pendingHead > (1 << 20) || pendingHead == pending.size()) {
            pending.remove(0, pendingHead);
            pendingHead = 0;
        }
        if (!firstQueuedRaised) {
            firstQueuedRaised = true;
            emit q->firstSampleQueued();
        }
    }

    void tick()
    {
        if (!active)
            return;
        if (!nullSink && sink->failed()) {
            // The device went away mid-stream: carry on against the null
            // clock so the events still come.
            qCWarning(lcAudio) << "audio output failed; continuing silently";
            std::unique_ptr<AudioSink> failed = std::exchange(sink, std::make_unique<NullSink>(rate));
            failed->retire(true);
            nullSink = true;
            // Whatever the device held but had not played is lost; the clock
            // restarts at what it had played and later marks move up.
            const qint64 lost = handedSamples - played;
            appendedSamples -= lost;
            handedSamples = played;
            for (WordMark &m : marks)
                m.sample = std::max(played, m.sample - lost);
            // The new clock starts at zero: count from where the old stopped.
            clockOffset = played;
        }
        if (!paused)
            feed();
        const qint64 clock = paused ? played : std::max(played, clockOffset + sink->played());
        played = std::min(clock, handedSamples);

        const quint64 stream = serial;
        const auto raiseStarted = [&] {
            if (startedRaised)
                return true;
            startedRaised = true;
            emit q->started();
            return serial == stream;
        };
        const auto raiseMarks = [&](qint64 upTo) {
            while (!marks.empty() && marks.front().sample <= upTo) {
                const WordMark mark = marks.front();
                marks.pop_front();
                emit q->wordReached(mark);
                if (serial != stream)
                    return false;
            }
            return true;
        };

        if (played > 0 && (!raiseStarted() || !raiseMarks(played)))
            return;
        if (!inputOpen && handedSamples == appendedSamples && !paused
            && (played >= appendedSamples || sink->drained())) {
            // Marks clamped to the very end still come before the end.
            if (appendedSamples > 0 && (!raiseStarted() || !raiseMarks(appendedSamples)))
                return;
            // What the device still holds plays out.
            reset(false);
            emit q->finished(false);
            return;
        }
        if (inputOpen && !dataRequested
            && appendedSamples - played < qint64(rate) * kLowWaterMs / 1000) {
            dataRequested = true;
            emit q->needData();
        }
    }
};

SpeechPlayer::SpeechPlayer(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    qRegisterMetaType<WordMark>();
    d->q = this;
    d->poll.setTimerType(Qt::PreciseTimer);
    d->poll.setInterval(kPollMs);
    connect(&d->poll, &QTimer::timeout, this, [this] { d->tick(); });
    d->nullSink = !Private::hasDevice();
    g_players.append(this);
}

SpeechPlayer::~SpeechPlayer()
{
    g_players.removeOne(this);
    d->reset();
}

void SpeechPlayer::closeAllOutputs()
{
    for (SpeechPlayer *player : std::as_const(g_players))
        player->d->reset();
    if (g_backend)
        g_backend->closeAll();
}

void SpeechPlayer::begin(int sampleRate)
{
    cancel();
    d->reset();
    d->rate = sampleRate > 0 ? sampleRate : 22050;
    d->active = true;
    d->inputOpen = true;
    d->openSink();
    d->poll.start();
    // Ask for the first audio through the same path as later audio.
    QTimer::singleShot(0, this, [this] { d->tick(); });
}

void SpeechPlayer::append(const QByteArray &pcm, const QList<WordMark> &marks)
{
    if (!d->active || !d->inputOpen)
        return;
    const qint64 start = d->appendedSamples;
    const qint64 samples = pcm.size() / kBytesPerSample;
    d->pending.append(pcm.constData(), samples * kBytesPerSample);
    d->appendedSamples += samples;
    qint64 last = d->marks.empty() ? 0 : d->marks.back().sample;
    for (const WordMark &m : marks) {
        WordMark abs = m;
        abs.sample = std::max(last, start + std::clamp<qint64>(m.sample, 0, samples));
        last = abs.sample;
        d->marks.push_back(abs);
    }
    d->dataRequested = false;
    if (!d->paused)
        d->feed();
}

void SpeechPlayer::finishInput()
{
    if (!d->active)
        return;
    d->inputOpen = false;
}

void SpeechPlayer::pause()
{
    if (!d->active || d->paused || !d->sink)
        return;
    // Freeze the clock where it stands now.
    d->played = std::min(std::max(d->played, d->clockOffset + d->sink->played()), d->handedSamples);
    d->paused = true;
    d->sink->suspend();
}

void SpeechPlayer::resume()
{
    if (!d->active || !d->paused || !d->sink)
        return;
    d->paused = false;
    d->sink->resume();
    d->tick();
}

void SpeechPlayer::cancel()
{
    const bool wasActive = d->active;
    d->reset();
    if (wasActive)
        emit finished(true);
}

qint64 SpeechPlayer::dropUnplayed()
{
    if (!d->active)
        return -1;
    // Cut where a word begins, so the sink never plays half a word and its
    // remake; marks before handedSamples are heard as they are.
    const auto cut = std::find_if(d->marks.begin(), d->marks.end(),
                                  [this](const WordMark &m) { return m.sample >= d->handedSamples; });
    if (cut == d->marks.end())
        return -1;
    const qint64 position = cut->textPosition;
    const qint64 keep = cut->sample - d->handedSamples;
    d->marks.erase(cut, d->marks.end());
    d->pending.truncate(d->pendingHead + keep * kBytesPerSample);
    d->appendedSamples = d->handedSamples + keep;
    d->inputOpen = true;
    d->dataRequested = false;
    return position;
}

void SpeechPlayer::setVolume(double volume)
{
    d->volume = std::clamp(volume, 0.0, 1.0);
}

double SpeechPlayer::volume() const
{
    return d->volume;
}

bool SpeechPlayer::isActive() const
{
    return d->active;
}

bool SpeechPlayer::isPaused() const
{
    return d->paused;
}

int SpeechPlayer::sampleRate() const
{
    return d->rate;
}

qint64 SpeechPlayer::playedSamples() const
{
    return d->played;
}

qint64 SpeechPlayer::queuedSamples() const
{
    return d->appendedSamples - d->played;
}

qint64 SpeechPlayer::appendedSamples() const
{
    return d->appendedSamples;
}

int SpeechPlayer::sinkBufferMs(bool nullSink)
{
    return nullSink ? kNullBufferMs : kDeviceBufferMs;
}

bool SpeechPlayer::usesNullSink() const
{
    return d->nullSink;
}

bool SpeechPlayer::hasQueuedFirstSample() const
{
    return d->firstQueuedRaised;
}

void setAudioDeviceBackend(const AudioDeviceBackend *backend)
{
    g_backend = backend;
}

void SpeechPlayer::setForceNullSink(bool force)
{
    g_forceNull.store(force);
}

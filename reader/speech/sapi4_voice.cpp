#include "speech/sapi4_voice.h"

#include "com/component_runtime.h"
#include "com/ref_count.h"
#include "sapi4/audio_dest_file.h"
#include "sapi4/direct_ss.h"
#include "sapi4/file_rendering.h"
#include "speech/voice_choice.h"
#include "text/utf8_offsets.h"

#include <QCoreApplication>
#include <QPointer>

// The texts a user reads of a failed rendering are the export's, and keep
// its translations.

namespace {

// Hears a SAPI 4 engine about the one text it renders, on this thread.
class Sapi4TextSink final : public ITTSBufNotifySinkA
{
public:
    std::function<void(QWORD stamp, quint32 byteOffset)> onWord;
    std::function<void()> onDone;

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_ITTSBufNotifySinkA) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<ITTSBufNotifySinkA *>(this);
        AddRef();
        return S_OK;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT TextDataDone(QWORD, quint32) override
    {
        if (onDone)
            onDone();
        return S_OK;
    }
    HRESULT TextDataStarted(QWORD) override { return S_OK; }
    HRESULT BookMark(QWORD, quint32) override { return S_OK; }
    HRESULT WordPosition(QWORD stamp, quint32 byteOffset) override
    {
        if (onWord)
            onWord(stamp, byteOffset);
        return S_OK;
    }

private:
    friend class ::RefCount;
    ~Sapi4TextSink() = default;
    RefCount m_refs;
};

// A flite mode with the engine's own speed, pitch and volume.
struct FliteSettings
{
    QString modeName;
    quint32 speed = 0;
    quint16 pitch = 0;
    quint32 volume = 0xFFFFFFFF;  // left | right << 16
    int sampleRate = 16000;
    // The mode's limits, for the bars' positions.
    int minSpeed = 0, maxSpeed = 0, minPitch = 0, maxPitch = 0;
};

// The text rendered by engine objects of its own, which hold the component
// runtime while they live.
class FliteFileRendering final : public QObject, public FileVoice::Rendering
{
public:
    FliteFileRendering(const FliteSettings &voice, const FileVoice::Events &events)
        : m_voice(voice)
        , m_events(events)
    {
    }

    ~FliteFileRendering() override
    {
        // The sink may be in the middle of its call: it stays whole, and
        // hears nothing more once this is gone.
        if (m_sink)
            m_sink->Release();
        if (m_objects) {
            if (m_objects->engine)
                m_objects->engine->AudioReset();
            m_objects.reset();
            ComponentRuntime::uninitialize();
        }
    }

    bool start(const QString &text, const QString &path, QString *why) override
    {
        ComponentRuntime::initialize();
        m_objects = std::make_unique<Sapi4FileRendering>();
        if (!m_objects->select(m_voice.modeName.toUtf8(), {m_voice.speed, m_voice.pitch, m_voice.volume})) {
            *why = QCoreApplication::translate("SpeechExport", "The voice \"%1\" could not be started.").arg(m_voice.modeName);
            return false;
        }
        if (!m_objects->setFile(path)) {
            *why = QCoreApplication::translate("SpeechExport", "The sound file could not be created.");
            return false;
        }
        m_text = text;
        m_sink = new Sapi4TextSink;
        // A handler may delete this: each is copied before it is called.
        QPointer<FliteFileRendering> self(this);
        m_sink->onWord = [self](QWORD stamp, quint32 offset) {
            if (!self)
                return;
            const auto word = self->m_events.word;
            // The engine names a word by its byte offset in the UTF-8 it read.
            word(self->m_offsets.toUtf16(self->m_text, offset), qint64(stamp));
        };
        m_sink->onDone = [self] {
            if (!self)
                return;
            const auto done = self->m_events.done;
            done();
        };
        if (!m_objects->speak(m_text.toUtf8(), 0, m_sink, IID_ITTSBufNotifySinkA)) {
            *why = QCoreApplication::translate("SpeechExport", "The voice did not accept the text.");
            return false;
        }
        return true;
    }

    bool finish(QString *why) override
    {
        const bool written = succeeded(m_objects->destination->Flush());
        if (const auto sink = m_objects->destination.as<IWaveSink>(IID_IWaveSink))
            *why = sink->WaveError();
        return written;
    }

private:
    FliteSettings m_voice;
    FileVoice::Events m_events;
    std::unique_ptr<Sapi4FileRendering> m_objects;
    Sapi4TextSink *m_sink = nullptr;  // a reference held
    QString m_text;
    Utf8Offsets m_offsets;
};

class FliteFileVoice final : public FileVoice::Engine
{
public:
    explicit FliteFileVoice(const FliteSettings &settings)
        : m_settings(settings)
    {
    }

    QString name() const override { return m_settings.modeName; }
    int sampleRate() const override { return m_settings.sampleRate; }
    // flite's speed is its pace.
    int wordsPerMinute() const override { return int(m_settings.speed); }
    QString loadError() const override { return {}; }
    std::optional<FileVoice::ControlVoice> controlVoice() const override
    {
        return FileVoice::ControlVoice{int(m_settings.speed), int(m_settings.pitch)};
    }

    std::shared_ptr<const FileVoice::Engine> atPositions(int rate, int pitch, int volume) const override
    {
        FliteSettings at = m_settings;
        if (rate >= 0)
            at.speed = quint32(Sapi4Voice::scaled(rate, at.minSpeed, at.maxSpeed));
        if (pitch >= 0)
            at.pitch = quint16(Sapi4Voice::scaled(pitch, at.minPitch, at.maxPitch));
        if (volume >= 0) {
            const quint32 level = quint32(Sapi4Voice::volumeAt(volume));
            at.volume = level | (level << 16);
        }
        return std::make_shared<FliteFileVoice>(at);
    }

    std::unique_ptr<FileVoice::Rendering> rendering(const FileVoice::Events &events) const override
    {
        return std::make_unique<FliteFileRendering>(m_settings, events);
    }

private:
    FliteSettings m_settings;
};

}  // namespace

Sapi4Voice::Sapi4Voice(DirectSS *engine, QObject *parent)
    : SpeakingVoice(parent)
    , m_engine(engine)
{
    connect(m_engine, &DirectSS::AudioStart, this, &SpeakingVoice::started);
    connect(m_engine, &DirectSS::AudioStop, this, &SpeakingVoice::ended);
    // The engine names a word by its byte offset in UTF-16, and not where
    // the word ends.
    connect(m_engine, &DirectSS::WordPosition, this, [this](int, int, qint64 byteOffset) {
        emit word(VoiceChoice::roundHalfEven(double(byteOffset) / 2.0), unknownLength);
    });
}

void Sapi4Voice::speak(const QString &text)
{
    m_engine->Speak(text);
}

void Sapi4Voice::pause()
{
    m_engine->AudioPause();
}

void Sapi4Voice::resume()
{
    m_engine->AudioResume();
}

void Sapi4Voice::stop()
{
    // A reset while paused would leave the audio paused.
    m_engine->AudioResume();
    m_engine->AudioReset();
}

int Sapi4Voice::volumeAt(int position)
{
    return VoiceChoice::roundHalfEven(position * 655.35);
}

int Sapi4Voice::scaled(int position, int minimum, int maximum)
{
    return VoiceChoice::roundHalfEven(double((maximum - minimum) * position) / 100.0 + minimum);
}

void Sapi4Voice::setVolume(int position)
{
    m_engine->setVolumeLeft(volumeAt(position));
    m_engine->setVolumeRight(m_engine->VolumeLeft());
}

void Sapi4Voice::setRate(int position)
{
    m_engine->setSpeed(scaled(position, m_engine->MinSpeed(), m_engine->MaxSpeed()));
}

void Sapi4Voice::setPitch(int position)
{
    m_engine->setPitch(scaled(position, m_engine->MinPitch(), m_engine->MaxPitch()));
}

SpeakingVoice *Sapi4Voice::twin(QObject *parent) const
{
    auto *voice = new Sapi4Voice(new DirectSS, parent);
    voice->m_engine->setParent(voice);
    return voice;
}

void Sapi4Voice::sayThrough(SpeakingVoice &twin, const QString &text) const
{
    DirectSS *trial = static_cast<Sapi4Voice &>(twin).m_engine;
    trial->setCurrentMode(m_engine->CurrentMode());
    trial->setSpeed(m_engine->Speed());
    trial->setPitch(m_engine->Pitch());
    trial->AudioReset();
    trial->Speak(text);
}

FileVoice Sapi4Voice::fileVoice() const
{
    return fileVoiceOf(*m_engine);
}

FileVoice Sapi4Voice::fileVoiceOf(const DirectSS &engine)
{
    FliteSettings settings;
    settings.modeName = engine.ModeName(engine.CurrentMode());
    settings.speed = quint32(engine.Speed());
    settings.pitch = quint16(engine.Pitch());
    const quint32 level = quint32(engine.VolumeLeft());
    settings.volume = level | (level << 16);
    settings.sampleRate = engine.sampleRate();
    settings.minSpeed = engine.MinSpeed();
    settings.maxSpeed = engine.MaxSpeed();
    settings.minPitch = engine.MinPitch();
    settings.maxPitch = engine.MaxPitch();
    return FileVoice(std::make_shared<FliteFileVoice>(settings));
}

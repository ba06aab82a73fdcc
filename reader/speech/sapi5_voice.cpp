#include "speech/sapi5_voice.h"

#include "sapi5/sp_voice.h"
#include "sapi5/speech_text.h"
#include "speech/voice_choice.h"

#include <QCoreApplication>
#include <QPointer>

// The texts a user reads of a failed rendering are the export's, and keep
// its translations.

namespace {

struct EspeakSettings
{
    QPointer<SpVoice> renderer;
    SpObjectToken token;
    long rate = 0;
    long volumePercent = 100;
};

// The text rendered by the voice object into a file stream; the end comes
// as a signal, so nothing waits for it.
class EspeakFileRendering final : public QObject, public FileVoice::Rendering
{
public:
    EspeakFileRendering(const EspeakSettings &voice, const FileVoice::Events &events)
        : m_voice(voice)
        , m_events(events)
    {
    }

    // The voice is purged: its EndStream is no longer heard.
    ~EspeakFileRendering() override
    {
        SpVoice *renderer = m_voice.renderer;
        if (!renderer)
            return;
        renderer->disconnect(this);
        if (m_file) {
            renderer->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
            renderer->setAudioOutputStream(nullptr);
        }
    }

    bool start(const QString &text, const QString &path, QString *why) override
    {
        SpVoice *renderer = m_voice.renderer;
        if (!renderer) {
            *why = QCoreApplication::translate("SpeechExport", "The espeak-ng voices are not available.");
            return false;
        }
        renderer->setVoice(m_voice.token);
        renderer->setVolume(m_voice.volumePercent);
        renderer->setRate(m_voice.rate);
        m_file = std::make_unique<SpFileStream>();
        if (!m_file->Open(path, SpFileStream::SSFMCreateForWrite, false)) {
            *why = m_file->errorString();
            return false;
        }
        renderer->setAudioOutputStream(m_file.get());
        // A handler may delete this: each is copied before it is called.
        connect(renderer, &SpVoice::Word, this, [this](long stream, const QVariant &streamPosition, qint64 position, qint64) {
            if (stream != m_stream)
                return;
            const auto word = m_events.word;
            word(position, streamPosition.toLongLong());
        });
        connect(renderer, &SpVoice::VoiceFailed, this, [this](long stream, const QString &why) {
            if (stream != m_stream)
                return;
            const auto failed = m_events.failed;
            failed(why);
        });
        connect(renderer, &SpVoice::EndStream, this, [this](long stream) {
            if (stream != m_stream)
                return;
            const auto done = m_events.done;
            done();
        });
        m_stream = renderer->Speak(text, SpVoice::SVSFlagsAsync);
        if (m_stream == 0) {
            *why = QCoreApplication::translate("SpeechExport", "The voice did not accept the text.");
            return false;
        }
        return true;
    }

    bool finish(QString *why) override
    {
        SpVoice *renderer = m_voice.renderer;
        if (renderer) {
            renderer->disconnect(this);
            renderer->setAudioOutputStream(nullptr);
        }
        const bool written = m_file->Close();
        *why = m_file->errorString();
        // Done with: nothing is left to purge.
        m_file.reset();
        return written;
    }

    qint64 bytesWritten() const override { return m_file ? m_file->bytesWritten() : -1; }

private:
    EspeakSettings m_voice;
    FileVoice::Events m_events;
    std::unique_ptr<SpFileStream> m_file;
    long m_stream = 0;
};

class EspeakFileVoice final : public FileVoice::Engine
{
public:
    explicit EspeakFileVoice(const EspeakSettings &settings)
        : m_settings(settings)
    {
    }

    QString name() const override { return m_settings.token.GetDescription(0); }
    int sampleRate() const override { return m_settings.renderer ? m_settings.renderer->sampleRate() : 0; }
    int wordsPerMinute() const override { return speechtext::wordsPerMinute(m_settings.rate); }
    // Found out before a long job: espeak-ng would otherwise go on in the
    // voice it had.
    QString loadError() const override
    {
        return m_settings.renderer ? m_settings.renderer->loadError(m_settings.token) : QString();
    }
    std::optional<FileVoice::ControlVoice> controlVoice() const override { return std::nullopt; }

    // espeak-ng's voices have no pitch to set.
    std::shared_ptr<const FileVoice::Engine> atPositions(int rate, int, int volume) const override
    {
        EspeakSettings at = m_settings;
        if (rate >= 0)
            at.rate = Sapi5Voice::rateAt(rate);
        if (volume >= 0)
            at.volumePercent = volume;
        return std::make_shared<EspeakFileVoice>(at);
    }

    std::unique_ptr<FileVoice::Rendering> rendering(const FileVoice::Events &events) const override
    {
        return std::make_unique<EspeakFileRendering>(m_settings, events);
    }

private:
    EspeakSettings m_settings;
};

}  // namespace

Sapi5Voice::Sapi5Voice(SpVoice *engine, QObject *parent)
    : SpeakingVoice(parent)
    , m_engine(engine)
{
    connect(m_engine, &SpVoice::StartStream, this, &SpeakingVoice::started);
    connect(m_engine, &SpVoice::Word, this,
            [this](long, const QVariant &, qint64 position, qint64 length) { emit word(position, length); });
    connect(m_engine, &SpVoice::EndStream, this, [this](long stream) {
        if (m_stream != 0 && stream != m_stream)
            return;
        emit ended();
    });
}

void Sapi5Voice::speak(const QString &text)
{
    m_stream = m_engine->Speak(text, SpVoice::SVSFlagsAsync);
}

void Sapi5Voice::pause()
{
    m_engine->Pause();
}

void Sapi5Voice::resume()
{
    m_engine->Resume();
}

void Sapi5Voice::stop()
{
    m_stream = 0;
    // A purge while paused would leave the audio paused.
    m_engine->Resume();
    m_engine->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
}

int Sapi5Voice::rateAt(int position)
{
    return VoiceChoice::roundHalfEven(position / 5.0 - 10.0);
}

void Sapi5Voice::setVolume(int position)
{
    m_engine->setVolume(position);
}

void Sapi5Voice::setRate(int position)
{
    m_engine->setRate(rateAt(position));
}

SpeakingVoice *Sapi5Voice::twin(QObject *parent) const
{
    auto *voice = new Sapi5Voice(new SpVoice, parent);
    voice->m_engine->setParent(voice);
    return voice;
}

void Sapi5Voice::sayThrough(SpeakingVoice &twin, const QString &text) const
{
    SpVoice *trial = static_cast<Sapi5Voice &>(twin).m_engine;
    trial->setVoice(m_engine->Voice());
    trial->setRate(m_engine->Rate());
    trial->Speak(text, SpVoice::SVSFlagsAsync | SpVoice::SVSFPurgeBeforeSpeak);
}

FileVoice Sapi5Voice::fileVoice(const SpObjectToken &token, SpVoice *renderer) const
{
    return fileVoiceOf(token, renderer, m_engine->Rate(), m_engine->Volume());
}

FileVoice Sapi5Voice::fileVoiceOf(const SpObjectToken &token, SpVoice *renderer, long rate, long volumePercent)
{
    return FileVoice(std::make_shared<EspeakFileVoice>(EspeakSettings{renderer, token, rate, volumePercent}));
}

#include "speech/sapi5_voice.h"

#include "sapi5/sp_voice.h"
#include "speech/voice_choice.h"

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

void Sapi5Voice::setVolume(int position)
{
    m_engine->setVolume(position);
}

void Sapi5Voice::setRate(int position)
{
    m_engine->setRate(VoiceChoice::sapi5Rate(position));
}

#include "speech/sapi4_voice.h"

#include "sapi4/direct_ss.h"
#include "speech/voice_choice.h"

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

void Sapi4Voice::setVolume(int position)
{
    m_engine->setVolumeLeft(VoiceChoice::sapi4Volume(position));
    m_engine->setVolumeRight(m_engine->VolumeLeft());
}

void Sapi4Voice::setRate(int position)
{
    m_engine->setSpeed(VoiceChoice::sapi4Scaled(position, m_engine->MinSpeed(), m_engine->MaxSpeed()));
}

void Sapi4Voice::setPitch(int position)
{
    m_engine->setPitch(VoiceChoice::sapi4Scaled(position, m_engine->MinPitch(), m_engine->MaxPitch()));
}

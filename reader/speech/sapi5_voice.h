#pragma once

#include "speech/speaking_voice.h"

class SpVoice;

// An espeak-ng voice speaking through a voice object: the token that
// SpVoice has, which it does not own.
class Sapi5Voice final : public SpeakingVoice
{
    Q_OBJECT
public:
    explicit Sapi5Voice(SpVoice *engine, QObject *parent = nullptr);

    void speak(const QString &text) override;
    void pause() override;
    void resume() override;
    void stop() override;
    bool mayEndWhilePaused() const override { return false; }

    void setVolume(int position) override;
    void setRate(int position) override;
    bool hasPitch() const override { return false; }
    void setPitch(int) override {}

private:
    SpVoice *m_engine;
    // The stream of the speech handed over last; 0 once stopped. The end of
    // a stream dropped for a newer one is no end of the speech.
    long m_stream = 0;
};

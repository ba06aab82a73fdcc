#pragma once

#include "speech/speaking_voice.h"

class DirectSS;

// A flite voice speaking through the direct speech object: the current
// mode of the DirectSS it is given, which it does not own.
class Sapi4Voice final : public SpeakingVoice
{
    Q_OBJECT
public:
    explicit Sapi4Voice(DirectSS *engine, QObject *parent = nullptr);

    void speak(const QString &text) override;
    void pause() override;
    void resume() override;
    void stop() override;
    bool mayEndWhilePaused() const override { return true; }

    void setVolume(int position) override;
    void setRate(int position) override;
    bool hasPitch() const override { return true; }
    void setPitch(int position) override;

private:
    DirectSS *m_engine;
};

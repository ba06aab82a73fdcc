#pragma once

#include "speech/file_voice.h"
#include "speech/speaking_voice.h"

class SpObjectToken;
class SpVoice;

// An espeak-ng voice speaking through a voice object: the token that
// SpVoice has, which it does not own. Also espeak-ng's scale for the rate
// bar and its voices for a file, rendered by a voice object into an
// SpFileStream.
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

    SpeakingVoice *twin(QObject *parent) const override;
    void sayThrough(SpeakingVoice &twin, const QString &text) const override;

    // The voice of token at this voice's rate and volume, for a file
    // rendered by renderer: a voice object not shared with speech
    // meanwhile, not owned.
    FileVoice fileVoice(const SpObjectToken &token, SpVoice *renderer) const;
    static FileVoice fileVoiceOf(const SpObjectToken &token, SpVoice *renderer, long rate, long volumePercent);

    // A bar's position (0 … 100) as a rate (-10 … 10).
    static int rateAt(int position);

private:
    SpVoice *m_engine;
    // The stream of the speech handed over last; 0 once stopped. The end of
    // a stream dropped for a newer one is no end of the speech.
    long m_stream = 0;
};

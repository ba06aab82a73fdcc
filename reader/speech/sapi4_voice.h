#pragma once

#include "speech/file_voice.h"
#include "speech/speaking_voice.h"

class DirectSS;

// A flite voice speaking through the direct speech object: the current
// mode of the DirectSS it is given, which it does not own. Also flite's
// scales for the bars and its voices for a file, rendered by the engine
// objects of Sapi4FileRendering.
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

    SpeakingVoice *twin(QObject *parent) const override;
    void sayThrough(SpeakingVoice &twin, const QString &text) const override;

    // This voice, as its mode is set now, for a file.
    FileVoice fileVoice() const;
    // The current mode of engine as it is set now, for a file.
    static FileVoice fileVoiceOf(const DirectSS &engine);

    // A bar's position (0 … 100) as a volume (0 … 65535).
    static int volumeAt(int position);
    // A bar's position as a value between an engine's limits.
    static int scaled(int position, int minimum, int maximum);

private:
    DirectSS *m_engine;
};

#pragma once

#include <QLoggingCategory>
#include <QtGlobal>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcAudio)

// The device behind the play clock: either a Qt Multimedia sink on the
// default output, or a null sink that "plays" at real-time pace.
class AudioSink
{
public:
    virtual ~AudioSink() = default;
    // Hands over up to maxBytes from data; returns how many were taken.
    virtual qint64 write(const char *data, qint64 maxBytes) = 0;
    // Samples played so far (never more than were written).
    virtual qint64 played() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // True when the device ran dry after everything written (the real
    // sink's idle state): used as a fallback end when its clock lags.
    virtual bool drained() const { return false; }
    virtual bool failed() const { return false; }
    // Stops the sound at once (cut) or lets what the device holds play out,
    // and hands the device over to be deleted once that is safe.
    virtual void retire(bool cut) { Q_UNUSED(cut); }
};
// The sound device behind every SpeechPlayer. It lives in its own library
// (sayora_audio, with Qt Multimedia and so the sound server's client) that
// installs it when loaded; a program that never plays sound, the converter,
// links only the player and its file output, and its players run against
// the null sink.
struct AudioDeviceBackend
{
    // True when a default output exists (and the null sink is not forced).
    bool (*hasDefaultOutput)();
    // A sink on the default output for mono s16le at sampleRate, holding
    // bufferMs ahead; null when no output exists or it cannot be opened.
    std::unique_ptr<AudioSink> (*openDefaultOutput)(int sampleRate, int bufferMs);
    // Deletes every retired device sink at once (for the end of the program).
    void (*closeAll)();
};

void setAudioDeviceBackend(const AudioDeviceBackend *backend);

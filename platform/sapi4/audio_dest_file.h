#pragma once

#include "sapi4/tts_interfaces.h"

// How an engine hands its audio to a destination; ours, not published.
// Calls may come from the engine's worker thread.
constexpr Guid IID_IWaveSink = makeGuid(0x53415934, 0x5741, 0x5645, 0x9A, 0x1E, 0x5E, 0x3D, 0x01, 0x00, 0x00, 0x01);

class IWaveSink : public IUnknown
{
public:
    // Mono 16-bit PCM at sampleRate; set before the first write.
    virtual HRESULT WaveFormatSet(int sampleRate) = 0;
    // Fails, and keeps failing, once a write has failed: the file is then
    // left unfinished, so nobody takes it for whole.
    virtual HRESULT WaveWrite(const char *pcm, qsizetype bytes) = 0;
    // Why the file could not be written (the system's words, such as "No
    // space left on device"); empty while all is well.
    virtual QString WaveError() = 0;

protected:
    ~IWaveSink() = default;
};

// Creates an audio destination file (IAudioFile and IWaveSink).
HRESULT createAudioDestFile(const Guid &iid, void **object);

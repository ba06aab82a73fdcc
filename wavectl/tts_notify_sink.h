#pragma once

#include "sapi4/tts_interfaces.h"

// The sink every engine the control selects reports to. It is static and
// never counted or freed. Its AudioStart and AudioStop carry the end of
// rendering to the reader through the registry value "WaveEnd".
class CTtsNotifySink final : public ITTSNotifySinkA
{
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override;
    quint32 AddRef() override { return 1; }
    quint32 Release() override { return 1; }

    HRESULT AttribChanged(quint32) override { return S_OK; }
    // Writes 2 to "WaveEnd".
    HRESULT AudioStart(QWORD timeStamp) override;
    // Flushes and releases the audio destination, releases the engine, then
    // writes 1 to "WaveEnd": the file is complete by then.
    HRESULT AudioStop(QWORD timeStamp) override;
    HRESULT Visual(QWORD, char, char, quint32, const void *) override { return S_OK; }

    static CTtsNotifySink &instance();
    // A value of "WaveEnd" waits to be written (the store was busy): the
    // module stays loaded until it is.
    static bool writePending();
};

// The reader's App Paths key, under which "WaveEnd" lives.
extern const char *const kAppPathsKey;

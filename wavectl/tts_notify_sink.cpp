#include "tts_notify_sink.h"

#include "mytavo_ctrl.h"
#include "registry/registry_key.h"

const char *const kAppPathsKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\sayora.exe";

namespace {

// Opens the key for this one write and closes it. The key is the reader's,
// made when it was installed: never created here.
void writeWaveEnd(quint32 value)
{
    RegistryKey key;
    if (key.open(QString::fromLatin1(kAppPathsKey), RegistryKey::AllAccess) == RegistryKey::Success)
        key.setDword(QStringLiteral("WaveEnd"), value);
}

} // namespace

CTtsNotifySink &CTtsNotifySink::instance()
{
    static CTtsNotifySink sink;
    return sink;
}

HRESULT CTtsNotifySink::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ITTSNotifySinkA) {
        *object = this;
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT CTtsNotifySink::AudioStart(QWORD)
{
    writeWaveEnd(2);
    return S_OK;
}

HRESULT CTtsNotifySink::AudioStop(QWORD)
{
    CMyTavoCtrl::releaseRendering(true);
    writeWaveEnd(1);
    return S_OK;
}

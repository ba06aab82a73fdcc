#include "tts_notify_sink.h"

#include "mytavo_ctrl.h"
#include "registry/registry_key.h"

#include <QTimer>
#include <optional>

const char *const kAppPathsKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\sayora.exe";

namespace {

// The value still to be written while another process holds the registry
// store: the notifications come on the host's window thread, which must not
// wait for it, so the write is tried again shortly. A newer value replaces
// one still waiting.
std::optional<quint32> pendingWaveEnd;
bool retryScheduled = false;
constexpr int retryMs = 50;

void flushWaveEnd()
{
    retryScheduled = false;
    if (!pendingWaveEnd)
        return;
    // Opened for this one write and closed. The key is the reader's, made
    // when it was installed: never created here.
    RegistryKey key;
    if (key.open(QString::fromLatin1(kAppPathsKey), RegistryKey::AllAccess) != RegistryKey::Success) {
        pendingWaveEnd.reset();
        return;
    }
    key.setLockWait(RegistryKey::frameLockWaitMs);
    if (key.setDword(QStringLiteral("WaveEnd"), *pendingWaveEnd) == RegistryKey::Busy) {
        retryScheduled = true;
        QTimer::singleShot(retryMs, &flushWaveEnd);
        return;
    }
    pendingWaveEnd.reset();
}

void writeWaveEnd(quint32 value)
{
    pendingWaveEnd = value;
    if (!retryScheduled)
        flushWaveEnd();
}

} // namespace

bool CTtsNotifySink::writePending()
{
    return pendingWaveEnd.has_value();
}

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

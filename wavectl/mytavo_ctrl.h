#pragma once

#include "com/control.h"
#include "com/ref_count.h"
#include "com/unknown.h"

#include <QByteArray>

class QWidget;

// The control MyTavo: renders a text into a WAV file with a flite voice
// chosen by name, and reports the start and end of rendering through
// "WaveEnd" (see CTtsNotifySink). Its window is a white field with an
// ellipse. Members of its dispatch interface _DMyTavo:
//
//   1 Speak(sText, sFile, sName, lSpeed, lPitch, lRealTime) → 0
//   2 MyStop   3 MyEndOLE   4 MyPause   5 MyResume   6 MyRelease
//   -552 AboutBox
//
// The rendering is the process's, shared by every instance, and there is at
// most one: a Speak while one runs is refused. Each rendering holds its own
// engine, attributes and destination, released exactly once (by AudioStop
// or MyRelease).
class CMyTavoCtrl final : public IDispatch, public IWidgetControl, public ISpecifyPropertyPages
{
public:
    enum DispatchId : DISPID {
        dispidSpeak = 1,
        dispidMyStop = 2,
        dispidMyEndOLE = 3,
        dispidMyPause = 4,
        dispidMyResume = 5,
        dispidMyRelease = 6,
        dispidAboutBox = -552,
    };
    // The event interface _DMyTavoEvents, declared and never raised: the
    // reader learns of the end through "WaveEnd" and runs its own handler.
    enum EventId : DISPID { eventWaveStart = 1, eventWaveStop = 2 };

    CMyTavoCtrl();

    HRESULT QueryInterface(const Guid &iid, void **object) override;
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override;
    HRESULT Invoke(DISPID id, const QVariantList &arguments, QVariant *result) override;

    QWidget *CreateWindow(QWidget *parent) override;
    void DestroyWindow() override;

    HRESULT GetPages(QList<Guid> *pages) override;

    // Texts are UTF-8, the system code page here.
    qint32 Speak(const QByteArray &text, const QByteArray &file, const QByteArray &voiceName,
                 qint32 speed, qint32 pitch, qint32 realTime);
    void MyStop();
    void MyEndOLE();
    void MyPause();
    void MyResume();
    void MyRelease();
    void AboutBox();

    // Flushes and releases the rendering's destination and engine, once.
    // Returns whether there was a rendering to release.
    static bool releaseRendering(bool flush);
    static bool rendering();

private:
    friend class RefCount;
    ~CMyTavoCtrl();

    RefCount m_refs;
    QWidget *m_window = nullptr;
};

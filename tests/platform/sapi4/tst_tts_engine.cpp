// The SAPI 4 engine over flite as the wave rendering control drives it:
// found and selected through the enumerator, rendering into a real file.
#include "audio/wave_file.h"
#include "com/component_runtime.h"
#include "com/ref_count.h"
#include "sapi4/tts_engine.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Counts the engine's notifications.
class Counter final : public ITTSNotifySinkA
{
public:
    int starts = 0;
    int stops = 0;
    bool outOfOrder = false;

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid != IID_IUnknown && iid != IID_ITTSNotifySinkA) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<ITTSNotifySinkA *>(this);
        AddRef();
        return S_OK;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }
    HRESULT AttribChanged(quint32) override { return S_OK; }
    HRESULT AudioStart(QWORD) override
    {
        outOfOrder |= starts != stops;
        ++starts;
        return S_OK;
    }
    HRESULT AudioStop(QWORD) override
    {
        ++stops;
        outOfOrder |= starts != stops;
        return S_OK;
    }
    HRESULT Visual(QWORD, char, char, quint32, const void *) override { return S_OK; }

private:
    RefCount m_refs;
};

HRESULT textData(ITTSCentralA *engine, const QByteArray &text)
{
    const QByteArray data = text + '\0';
    return engine->TextData(CHARSET_TEXT, 0, SDATA{data.constData(), quint64(data.size())}, nullptr, Guid{});
}

}  // namespace

class TestTtsEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void textAfterResetIsRendered();
};

void TestTtsEngine::initTestCase()
{
    QCOMPARE(ComponentRuntime::initialize(), S_OK);
    Sapi4Objects::registerClassObjects();
}

void TestTtsEngine::cleanupTestCase()
{
    ComponentRuntime::uninitialize();
}

// A text handed over right after AudioReset, while the flite thread may
// still be rendering the dropped one, is rendered all the same: its own
// start and stop, and a complete file holding it alone.
void TestTtsEngine::textAfterResetIsRendered()
{
    QTemporaryDir dir;
    ComPtr<ITTSFindA> enumerator;
    QCOMPARE(ComponentRuntime::createInstance(CLSID_TTSEnumerator, nullptr, IID_ITTSFindA, enumerator.put()), S_OK);
    TTSMODEINFOA criteria{};
    criteria.szModeName = "Flite Kal (US English, male, 16 kHz)";
    TTSMODEINFOA found{};
    QCOMPARE(enumerator->Find(&criteria, nullptr, &found), S_OK);

    QByteArray longText;
    for (int i = 0; i < 40; ++i)
        longText += "A sentence that is dropped before it is heard. ";
    const QByteArray shortText = "Only this is kept.";
    for (int round = 0; round < 8; ++round) {
        const QString path = dir.filePath(QStringLiteral("round%1.wav").arg(round));
        ComPtr<IAudioFile> destination;
        QCOMPARE(ComponentRuntime::createInstance(CLSID_AudioDestFile, nullptr, IID_IAudioFile, destination.put()), S_OK);
        ComPtr<ITTSCentralA> engine;
        QCOMPARE(enumerator->Select(found.gModeID, reinterpret_cast<ITTSCentralA **>(engine.put()), destination.get()), S_OK);
        const auto counter = ComPtr<Counter>::adopt(new Counter);
        QCOMPARE(engine->Register(counter.get(), IID_ITTSNotifySinkA, nullptr), S_OK);
        QCOMPARE(destination->Set(path, AUDIOFILE_CREATE), S_OK);

        QCOMPARE(textData(engine.get(), longText), S_OK);
        // Let the flite thread get going on some rounds, not on others.
        if (round % 2)
            QTRY_COMPARE_WITH_TIMEOUT(counter->starts, 1, 10000);
        QCOMPARE(engine->AudioReset(), S_OK);
        QCOMPARE(counter->stops, 1);
        QCOMPARE(textData(engine.get(), shortText), S_OK);
        QTRY_COMPARE_WITH_TIMEOUT(counter->stops, 2, 20000);
        QCOMPARE(counter->starts, 2);
        QVERIFY(!counter->outOfOrder);

        QCOMPARE(destination->Flush(), S_OK);
        const WaveFile::Info info = WaveFile::readFile(path);
        QVERIFY2(info.valid, qPrintable(path));
        // The short text at least (of the long one the file may hold what
        // was written before the reset).
        QVERIFY2(info.seconds() > 0.5, qPrintable(QString::number(info.seconds())));
    }
}

QTEST_GUILESS_MAIN(TestTtsEngine)

#include "tst_tts_engine.moc"

#include "app/installation.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "audio/wave_file.h"
#include "com/component_runtime.h"
#include "com/control.h"
#include "registry/registry_key.h"
#include "sapi4/tts_engine.h"
#include "support/test_support.h"
#include "ui/control_host.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testsupport::named;

namespace {

const QString slt = u"Flite SLT (US English, female)"_qs;
const QString kal16 = u"Flite Kal (US English, male, 16 kHz)"_qs;

QString library()
{
    return QCoreApplication::applicationDirPath() + u"/tavo.so"_qs;
}

QString sentences(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += u"This is sentence number %1, rendered to a file for the export. "_qs.arg(i + 1);
    return text;
}

// "WaveEnd" as the reader reads it; 0 when absent.
quint32 waveEnd()
{
    RegistryKey key;
    quint32 value = 0;
    if (key.open(Installation::appPathsKey(), RegistryKey::ReadOnly) == RegistryKey::Success)
        key.queryDword(u"WaveEnd"_qs, &value);
    return value;
}

void setWaveEnd(quint32 value)
{
    RegistryKey key;
    QCOMPARE(key.create(Installation::appPathsKey()), RegistryKey::Success);
    QCOMPARE(key.setDword(u"WaveEnd"_qs, value), RegistryKey::Success);
}

QString registered(const QString &key, const QString &name = {})
{
    RegistryKey k;
    QString value;
    if (k.open(u"HKEY_CLASSES_ROOT\\"_qs + key, RegistryKey::ReadOnly) != RegistryKey::Success)
        return u"<no key>"_qs;
    if (k.queryString(name, &value) != RegistryKey::Success)
        return u"<no value>"_qs;
    return value;
}

} // namespace

class TestTavo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ComPtr<IDispatch> m_control;

    HRESULT call(const QString &member, const QVariantList &args = {}, QVariant *result = nullptr)
    {
        DISPID id = 0;
        const HRESULT found = m_control->GetIDsOfNames(member, &id);
        return failed(found) ? found : m_control->Invoke(id, args, result);
    }
    HRESULT speak(const QString &text, const QString &file, const QString &voice, int speed = 190, int pitch = 163)
    {
        QVariant result;
        const HRESULT hr = call(u"Speak"_qs, {text, file, voice, speed, pitch, 2048}, &result);
        return succeeded(hr) && result.toInt() != 0 ? E_UNEXPECTED : hr;
    }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        ComponentRuntime::initialize();
    }

    void registration()
    {
        QCOMPARE(ComponentRuntime::registerServer(library()), S_OK);
        const QString clsid = u"CLSID\\{4E81060C-A251-48CC-B81C-299CE7556342}"_qs;
        QCOMPARE(registered(clsid), u"MyTavo Control"_qs);
        QCOMPARE(registered(clsid + u"\\InprocServer32"_qs), QFileInfo(library()).absoluteFilePath());
        QCOMPARE(registered(clsid + u"\\InprocServer32"_qs, u"ThreadingModel"_qs), u"Apartment"_qs);
        QCOMPARE(registered(clsid + u"\\ProgID"_qs), u"MYTAVO.MyTavoCtrl.1"_qs);
        QCOMPARE(registered(clsid + u"\\MiscStatus\\1"_qs), QString::number(0x20191));
        QCOMPARE(registered(clsid + u"\\TypeLib"_qs), u"{9BCE4A7F-985E-4ECA-9C4D-52C97ED5FD94}"_qs);
        QCOMPARE(registered(u"MYTAVO.MyTavoCtrl.1\\CLSID"_qs), u"{4E81060C-A251-48CC-B81C-299CE7556342}"_qs);
        QCOMPARE(registered(u"CLSID\\{77927D3F-5EF6-49E2-9FF6-9264EAC09F65}"_qs), u"MyTavo Property Page"_qs);
        QCOMPARE(registered(u"TypeLib\\{9BCE4A7F-985E-4ECA-9C4D-52C97ED5FD94}\\1.0"_qs), u"tavo ActiveX Control module"_qs);
        QCOMPARE(registered(u"Interface\\{9A5E799A-BEF3-485E-BE08-8DF7C50BC1D7}"_qs, u"HelpString"_qs),
                 u"Dispatch interface for MyTavo Control"_qs);
        QCOMPARE(registered(u"Interface\\{13DF369E-FBE9-4675-8A7D-2324EBD4B081}"_qs), u"_DMyTavoEvents"_qs);

        // Created by class id: the runtime loads the library it names.
        QCOMPARE(ComponentRuntime::createInstance(Installation::CLSID_MyTavo, nullptr, IID_IDispatch, m_control.put()), S_OK);
        QCOMPARE(ComponentRuntime::loadedLibraryCount(), 1);
        ComPtr<ISpecifyPropertyPages> pages = m_control.as<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages);
        QList<Guid> list;
        QVERIFY(pages);
        QCOMPARE(pages->GetPages(&list), S_OK);
        QCOMPARE(list.size(), 1);
        ComPtr<IPropertyPage> page;
        QCOMPARE(ComponentRuntime::createInstance(list.first(), nullptr, IID_IPropertyPage, page.put()), S_OK);
        QString title;
        page->GetPageInfo(&title);
        QCOMPARE(title, u"General"_qs);
        QWidget *shown = page->CreatePage(nullptr);
        QVERIFY(shown->findChild<QLabel *>()->text().startsWith(u"TODO: Place controls"_qs));
        page->DestroyPage();
        page.reset();
        pages.reset();

        // Dispatch by id, with the caller's mistakes answered.
        DISPID id = 0;
        for (const auto &[name, expected] : QList<QPair<QString, int>>{
                 {u"Speak"_qs, 1}, {u"mystop"_qs, 2}, {u"MyEndOLE"_qs, 3}, {u"MyPause"_qs, 4},
                 {u"MyResume"_qs, 5}, {u"MyRelease"_qs, 6}, {u"AboutBox"_qs, -552}}) {
            QCOMPARE(m_control->GetIDsOfNames(name, &id), S_OK);
            QCOMPARE(id, expected);
        }
        QCOMPARE(m_control->GetIDsOfNames(u"WaveStop"_qs, &id), DISP_E_UNKNOWNNAME);
        QCOMPARE(m_control->Invoke(7, {}, nullptr), DISP_E_MEMBERNOTFOUND);
        QCOMPARE(m_control->Invoke(1, {u"text"_qs}, nullptr), DISP_E_BADPARAMCOUNT);
        QCOMPARE(m_control->Invoke(1, {1, 2, 3, 4, 5, 6}, nullptr), DISP_E_TYPEMISMATCH);
        QCOMPARE(m_control->Invoke(2, {1}, nullptr), DISP_E_BADPARAMCOUNT);

        // The about box, answered as a user would.
        QString aboutTitle;
        QTimer::singleShot(0, this, [&aboutTitle] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            aboutTitle = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Enter);
        });
        QCOMPARE(call(u"AboutBox"_qs), S_OK);
        QCOMPARE(aboutTitle, u"About MyTavo Control"_qs);
    }

    // The library shows its host its four module functions and nothing
    // else of its insides.
    void exportsOnlyModuleFunctions()
    {
        QProcess nm;
        nm.start(u"nm"_qs, {u"-D"_qs, u"--defined-only"_qs, u"--format=posix"_qs, library()});
        QVERIFY(nm.waitForFinished(30000));
        QCOMPARE(nm.exitCode(), 0);
        QStringList names;
        for (const QByteArray &line : nm.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                names << QString::fromUtf8(line.split(' ').first());
        }
        names.sort();
        QCOMPARE(names, QStringList({u"DllCanUnloadNow"_qs, u"DllGetClassObject"_qs, u"DllRegisterServer"_qs,
                                     u"DllUnregisterServer"_qs}));
    }

    void rendering()
    {
        setWaveEnd(3);
        const QString wav = file(u"one.wav"_qs);
        const int holds = ComponentRuntime::holdCount();
        QCOMPARE(speak(sentences(8), wav, slt), S_OK);
        // Speak returns before rendering starts, with "WaveEnd" untouched.
        QCOMPARE(waveEnd(), 3u);
        QCOMPARE(ComponentRuntime::holdCount(), holds);
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 2u, 10000);

        // A second Speak while it runs is refused.
        QCOMPARE(speak(u"Another text."_qs, file(u"two.wav"_qs), slt), S_OK);
        // Nor can the module go while it renders.
        QCOMPARE(ComponentRuntime::freeUnusedLibraries(), 1);

        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 1u, 60000);
        QVERIFY(!QFile::exists(file(u"two.wav"_qs)));
        const WaveFile::Info full = WaveFile::readFile(wav);
        QVERIFY(full.valid);
        QCOMPARE(full.sampleRate, 16000);
        // About 100 words at 190 per minute.
        QVERIFY2(full.seconds() > 20 && full.seconds() < 50, qPrintable(QString::number(full.seconds())));

        // MyStop during rendering ends it at once with a valid, shorter file.
        setWaveEnd(3);
        const QString stopped = file(u"stopped.wav"_qs);
        QCOMPARE(speak(sentences(8), stopped, slt), S_OK);
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 2u, 10000);
        QCOMPARE(call(u"MyStop"_qs), S_OK);
        QCOMPARE(waveEnd(), 1u);
        const WaveFile::Info part = WaveFile::readFile(stopped);
        QVERIFY(part.valid);
        QVERIFY(part.seconds() < full.seconds() / 2);
        // MyEndOLE never takes the caller's own hold.
        QCOMPARE(call(u"MyEndOLE"_qs), S_OK);
        QCOMPARE(ComponentRuntime::holdCount(), holds);

        // An unknown voice renders nothing and leaves "WaveEnd" alone.
        setWaveEnd(3);
        QCOMPARE(speak(u"Hello."_qs, file(u"none.wav"_qs), u"No Such Voice"_qs), S_OK);
        QTest::qWait(300);  // nothing may arrive: give it the chance
        QCOMPARE(waveEnd(), 3u);
        QVERIFY(!QFile::exists(file(u"none.wav"_qs)));

        // MyRelease mid-rendering releases without a "WaveEnd" write, once;
        // the next Speak is accepted.
        QCOMPARE(speak(sentences(8), file(u"released.wav"_qs), slt), S_OK);
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 2u, 10000);
        QCOMPARE(call(u"MyRelease"_qs), S_OK);
        QCOMPARE(call(u"MyRelease"_qs), S_OK);
        QTest::qWait(300);
        QCOMPARE(waveEnd(), 2u);
        QVERIFY(WaveFile::readFile(file(u"released.wav"_qs)).valid);

        // Speed reaches the engine; a tagged text renders without its tags.
        const QString slow = file(u"slow.wav"_qs), fast = file(u"fast.wav"_qs);
        setWaveEnd(3);
        QCOMPARE(speak(u"\\Spd=300\\"_qs + sentences(2), slow, kal16, 120, 94), S_OK);
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 1u, 30000);
        setWaveEnd(3);
        QCOMPARE(speak(u"\\Rst\\"_qs + sentences(2), fast, kal16, 300, 94), S_OK);
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 1u, 30000);
        QVERIFY(WaveFile::readFile(fast).valid && WaveFile::readFile(fast).seconds() > 1);
        QVERIFY(WaveFile::readFile(slow).seconds() > 1.8 * WaveFile::readFile(fast).seconds());
    }

    // Another program's change of the registry store holds its lock while
    // the control renders: the host's thread goes on, and the values reach
    // the store once it is free.
    void endReachesBusyStore()
    {
        setWaveEnd(3);
        QLockFile other(RegistryKey::storeFile() + u".lock"_qs);
        QVERIFY(other.lock());
        const QString wav = file(u"busy.wav"_qs);
        QCOMPARE(speak(u"Hello there."_qs, wav, slt), S_OK);
        QTRY_VERIFY_WITH_TIMEOUT(WaveFile::readFile(wav).valid && WaveFile::readFile(wav).seconds() > 0.3, 30000);
        QTest::qWait(1000);  // the rendering's end comes while the store is held
        QCOMPARE(waveEnd(), 3u);
        other.unlock();
        QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 1u, 10000);
    }

    void engineTags_data()
    {
        QTest::addColumn<QString>("tagged");
        QTest::addColumn<QString>("plain");
        QTest::newRow("none") << u"Hello world."_qs << u"Hello world."_qs;
        QTest::newRow("speed and pause") << u"Hello\\Spd=150\\world\\Pau=500\\."_qs << u"Hello world ."_qs;
        QTest::newRow("case and no value") << u"\\rst\\Hi \\EMP\\you"_qs << u" Hi  you"_qs;
        QTest::newRow("escaped backslash") << u"a\\\\b"_qs << u"a\\b"_qs;
        QTest::newRow("unknown tag spoken") << u"C:\\Temp\\x"_qs << u"C:\\Temp\\x"_qs;
        QTest::newRow("unterminated") << u"x \\Spd=150"_qs << u"x \\Spd=150"_qs;
    }
    void engineTags()
    {
        QFETCH(QString, tagged);
        QFETCH(QString, plain);
        QCOMPARE(stripEngineTags(tagged), plain);
    }

    void unloadsWhenUnused()
    {
        m_control.reset();
        QCOMPARE(ComponentRuntime::freeUnusedLibraries(), 0);
        // And loads again on demand.
        QCOMPARE(ComponentRuntime::createInstance(Installation::CLSID_MyTavo, nullptr, IID_IDispatch, m_control.put()), S_OK);
        m_control.reset();
        QCOMPARE(ComponentRuntime::freeUnusedLibraries(), 0);
    }

    void unregistrationAndFailures()
    {
        QCOMPARE(ComponentRuntime::unregisterServer(library()), S_OK);
        QCOMPARE(registered(u"CLSID\\{4E81060C-A251-48CC-B81C-299CE7556342}"_qs), u"<no key>"_qs);
        QCOMPARE(registered(u"Interface\\{9A5E799A-BEF3-485E-BE08-8DF7C50BC1D7}"_qs), u"<no key>"_qs);
        QCOMPARE(ComponentRuntime::createInstance(Installation::CLSID_MyTavo, nullptr, IID_IDispatch, m_control.put()),
                 REGDB_E_CLASSNOTREG);
        QCOMPARE(ComponentRuntime::registerServer(u"/nonexistent/tavo.so"_qs), CO_E_DLLNOTFOUND);

        // A store that cannot be written fails at the type library, first.
        const QString store = RegistryKey::storeFile();
        QVERIFY(QFile::rename(store, store + u".saved"_qs));
        QVERIFY(QDir().mkpath(store));
        QCOMPARE(ComponentRuntime::registerServer(library()), SELFREG_E_TYPELIB);
        QVERIFY(QDir(store).removeRecursively());
        QVERIFY(QFile::rename(store + u".saved"_qs, store));
    }

    // The reader registers the control on its first start, hosts it, and
    // stops an export through it when it closes.
    void readerHostsAndStopsTheControl()
    {
        QFile::remove(RegistryKey::storeFile());
        {
            SayoraMain window;
            ControlHost *control = named<ControlHost>(window, "MyTavo1");
            QVERIFY(control->isCreated());
            QVERIFY(control->width() <= 16 && control->height() <= 16);
            RegistryKey key;
            QCOMPARE(key.open(Installation::appPathsKey()), RegistryKey::Success);
            QString folder;
            QCOMPARE(key.queryString(u"Path"_qs, &folder), RegistryKey::Success);

            // Drawn as a white field with an ellipse.
            control->resize(40, 30);
            const QImage drawn = control->grab().toImage();
            QCOMPARE(drawn.pixelColor(1, 1), QColor(Qt::white));
            QVERIFY(drawn.pixelColor(20, 0).lightness() < 128);
            QCOMPARE(drawn.pixelColor(20, 15), QColor(Qt::white));

            const QString wav = file(u"closing.wav"_qs);
            QCOMPARE(control->invoke(u"Speak"_qs, {sentences(8), wav, slt, 190, 163, 2048}), S_OK);
            QTRY_COMPARE_WITH_TIMEOUT(waveEnd(), 2u, 10000);
            window.exporter()->WaveEndValue = 2;
            window.show();
            QVERIFY(window.close());
            QCOMPARE(waveEnd(), 1u);
            QVERIFY(WaveFile::readFile(wav).valid);
        }
        // A second start leaves a good registration as it is.
        const QDateTime before = QFileInfo(RegistryKey::storeFile()).lastModified();
        SayoraMain again;
        QVERIFY(named<ControlHost>(again, "MyTavo1")->isCreated());
        QCOMPARE(QFileInfo(RegistryKey::storeFile()).lastModified(), before);
    }
};

SAYORA_GUI_TEST_MAIN(TestTavo)

#include "tst_tavo.moc"

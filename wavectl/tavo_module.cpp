#include "tavo_module.h"

#include "com/component_runtime.h"
#include "mytavo_ctrl.h"
#include "mytavo_proppage.h"
#include "tts_notify_sink.h"
#include "registry/registry_key.h"

#include <QFileInfo>
#include <atomic>
#include <dlfcn.h>

#define TAVO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::atomic<int> moduleLocks{0};

// The type library, as the module carries it: what registering it writes.
struct InterfaceInfo
{
    Guid iid;
    const char *name;
    const char *description;
};
constexpr const char *typeLibDescription = "tavo ActiveX Control module";
constexpr const char *typeLibVersion = "1.0";
constexpr const char *typeLibHelpFile = "tavo.hlp";
const InterfaceInfo typeLibInterfaces[] = {
    {DIID__DMyTavo, "_DMyTavo", "Dispatch interface for MyTavo Control"},
    {DIID__DMyTavoEvents, "_DMyTavoEvents", "Event interface for MyTavo Control"},
};
// Automation's own proxy for dispatch interfaces.
constexpr Guid PSOAInterface = makeGuid(0x00020420, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);

// The platform's control flags: activate when visible, set client site
// first, inside-out, can't link inside, recompose on resize.
constexpr quint32 miscStatus = 0x20191;

struct ClassInfo
{
    Guid clsid;
    const char *progId;
    const char *name;
    bool control;
};
const ClassInfo classes[] = {
    {CLSID_MyTavo, "MYTAVO.MyTavoCtrl.1", "MyTavo Control", true},
    {CLSID_MyTavoPropPage, "MYTAVO.MyTavoPropPage.1", "MyTavo Property Page", false},
};

QString classesRoot(const QString &sub)
{
    return QStringLiteral("HKEY_CLASSES_ROOT\\") + sub;
}

// Sets the values of one key, creating it; false at the first failure.
bool setKey(const QString &path, const QList<QPair<QString, QString>> &values)
{
    RegistryKey key;
    if (key.create(path) != RegistryKey::Success)
        return false;
    for (const auto &[name, value] : values) {
        if (key.setString(name, value) != RegistryKey::Success)
            return false;
    }
    return true;
}

bool registerTypeLib()
{
    const QString lib = classesRoot(QStringLiteral("TypeLib\\") + LIBID_MYTAVOLib.toString() + QLatin1Char('\\')
                                    + QLatin1String(typeLibVersion));
    const QString folder = QFileInfo(TavoModule::libraryPath()).absolutePath();
    bool ok = setKey(lib, {{QString(), QString::fromLatin1(typeLibDescription)}})
        && setKey(lib + QStringLiteral("\\0\\linux"), {{QString(), TavoModule::libraryPath()}})
        && setKey(lib + QStringLiteral("\\FLAGS"), {{QString(), QStringLiteral("0")}})
        && setKey(lib + QStringLiteral("\\HELPDIR"), {{QString(), folder}})
        && setKey(lib + QStringLiteral("\\HELPFILE"), {{QString(), QString::fromLatin1(typeLibHelpFile)}});
    for (const InterfaceInfo &i : typeLibInterfaces) {
        const QString key = classesRoot(QStringLiteral("Interface\\") + i.iid.toString());
        ok = ok && setKey(key, {{QString(), QString::fromLatin1(i.name)}, {QStringLiteral("HelpString"), QString::fromLatin1(i.description)}})
            && setKey(key + QStringLiteral("\\ProxyStubClsid32"), {{QString(), PSOAInterface.toString()}})
            && setKey(key + QStringLiteral("\\TypeLib"), {{QString(), LIBID_MYTAVOLib.toString()},
                                                         {QStringLiteral("Version"), QString::fromLatin1(typeLibVersion)}});
    }
    return ok;
}

bool unregisterTypeLib()
{
    long result = RegistryKey::deleteTree(classesRoot(QStringLiteral("TypeLib\\") + LIBID_MYTAVOLib.toString()));
    bool ok = result == RegistryKey::Success || result == RegistryKey::NotFound;
    for (const InterfaceInfo &i : typeLibInterfaces) {
        result = RegistryKey::deleteTree(classesRoot(QStringLiteral("Interface\\") + i.iid.toString()));
        ok = ok && (result == RegistryKey::Success || result == RegistryKey::NotFound);
    }
    return ok;
}

bool registerClass(const ClassInfo &c)
{
    const QString path = TavoModule::libraryPath();
    const QString clsid = classesRoot(QStringLiteral("CLSID\\") + c.clsid.toString());
    const QString name = QString::fromLatin1(c.name);
    const QString progId = QString::fromLatin1(c.progId);
    bool ok = setKey(clsid, {{QString(), name}})
        && setKey(clsid + QStringLiteral("\\InprocServer32"), {{QString(), path}, {QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")}})
        && setKey(clsid + QStringLiteral("\\ProgID"), {{QString(), progId}})
        && setKey(classesRoot(progId), {{QString(), name}})
        && setKey(classesRoot(progId + QStringLiteral("\\CLSID")), {{QString(), c.clsid.toString()}});
    if (c.control) {
        ok = ok && setKey(clsid + QStringLiteral("\\Control"), {})
            && setKey(clsid + QStringLiteral("\\ToolboxBitmap32"), {{QString(), path + QStringLiteral(", 1")}})
            && setKey(clsid + QStringLiteral("\\MiscStatus"), {{QString(), QStringLiteral("0")}})
            && setKey(clsid + QStringLiteral("\\MiscStatus\\1"), {{QString(), QString::number(miscStatus)}})
            && setKey(clsid + QStringLiteral("\\TypeLib"), {{QString(), LIBID_MYTAVOLib.toString()}})
            && setKey(clsid + QStringLiteral("\\Version"), {{QString(), QString::fromLatin1(typeLibVersion)}});
    }
    return ok;
}

bool unregisterClass(const ClassInfo &c)
{
    bool ok = true;
    for (const QString &key : {classesRoot(QStringLiteral("CLSID\\") + c.clsid.toString()), classesRoot(QString::fromLatin1(c.progId))}) {
        const long result = RegistryKey::deleteTree(key);
        ok = ok && (result == RegistryKey::Success || result == RegistryKey::NotFound);
    }
    return ok;
}

// The class factories are static, as the module itself: their references
// are not counted, LockServer is.
template<typename Object>
class Factory final : public IClassFactory
{
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    quint32 AddRef() override { return 1; }
    quint32 Release() override { return 1; }
    HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto *created = new Object;
        const HRESULT result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    }
    HRESULT LockServer(bool lock) override
    {
        lock ? TavoModule::lock() : TavoModule::unlock();
        return S_OK;
    }
};

Factory<CMyTavoCtrl> controlFactory;
Factory<CMyTavoPropPage> pageFactory;

} // namespace

namespace TavoModule {

void lock()
{
    ++moduleLocks;
}

void unlock()
{
    --moduleLocks;
}

bool inUse()
{
    return moduleLocks > 0 || CMyTavoCtrl::rendering() || CTtsNotifySink::writePending();
}

QString libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&libraryPath), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    return {};
}

} // namespace TavoModule

TAVO_EXPORT HRESULT DllRegisterServer()
{
    if (!registerTypeLib())
        return SELFREG_E_TYPELIB;
    for (const ClassInfo &c : classes) {
        if (!registerClass(c))
            return SELFREG_E_CLASS;
    }
    return S_OK;
}

TAVO_EXPORT HRESULT DllUnregisterServer()
{
    if (!unregisterTypeLib())
        return SELFREG_E_TYPELIB;
    for (const ClassInfo &c : classes) {
        if (!unregisterClass(c))
            return SELFREG_E_CLASS;
    }
    return S_OK;
}

TAVO_EXPORT HRESULT DllGetClassObject(const Guid &clsid, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid == CLSID_MyTavo)
        return controlFactory.QueryInterface(iid, object);
    if (clsid == CLSID_MyTavoPropPage)
        return pageFactory.QueryInterface(iid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

TAVO_EXPORT HRESULT DllCanUnloadNow()
{
    return TavoModule::inUse() ? S_FALSE : S_OK;
}

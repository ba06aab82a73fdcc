#include "com/component_runtime.h"

#include "registry/registry_key.h"

#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QRecursiveMutex>
#include <map>
#include <memory>

namespace {

struct LoadedLibrary
{
    std::unique_ptr<QLibrary> library;
    ComponentRuntime::DllGetClassObjectFn getClassObject = nullptr;
    ComponentRuntime::DllCanUnloadNowFn canUnloadNow = nullptr;
};

struct Runtime
{
    // Recursive: a library's DllGetClassObject may register class objects.
    QRecursiveMutex mutex;
    QHash<Guid, IClassFactory *> classObjects;
    std::map<QString, LoadedLibrary> libraries;  // by canonical path
};

Runtime &runtime()
{
    static Runtime instance;
    return instance;
}

thread_local int holds = 0;

// Loads (or finds loaded) the library at path; null when it cannot be
// loaded or exports no DllGetClassObject.
LoadedLibrary *loadLibrary(const QString &path, HRESULT *error)
{
    Runtime &rt = runtime();
    const QString key = QFileInfo(path).canonicalFilePath();
    if (key.isEmpty()) {
        *error = CO_E_DLLNOTFOUND;
        return nullptr;
    }
    auto found = rt.libraries.find(key);
    if (found != rt.libraries.end())
        return &found->second;
    LoadedLibrary loaded;
    loaded.library = std::make_unique<QLibrary>(key);
    if (!loaded.library->load()) {
        qWarning("component library %s: %s", qPrintable(key), qPrintable(loaded.library->errorString()));
        *error = CO_E_DLLNOTFOUND;
        return nullptr;
    }
    loaded.getClassObject = reinterpret_cast<ComponentRuntime::DllGetClassObjectFn>(
        loaded.library->resolve("DllGetClassObject"));
    loaded.canUnloadNow = reinterpret_cast<ComponentRuntime::DllCanUnloadNowFn>(
        loaded.library->resolve("DllCanUnloadNow"));
    if (!loaded.getClassObject) {
        loaded.library->unload();
        *error = CO_E_ERRORINDLL;
        return nullptr;
    }
    return &rt.libraries.emplace(key, std::move(loaded)).first->second;
}

HRESULT callServerFunction(const QString &path, const char *name)
{
    QLibrary library(QFileInfo(path).absoluteFilePath());
    if (!library.load())
        return CO_E_DLLNOTFOUND;
    auto fn = reinterpret_cast<ComponentRuntime::DllRegisterServerFn>(library.resolve(name));
    // The library stays loaded if the runtime holds it too (QLibrary counts).
    const HRESULT result = fn ? fn() : CO_E_ERRORINDLL;
    library.unload();
    return result;
}

} // namespace

namespace ComponentRuntime {

HRESULT initialize()
{
    return holds++ == 0 ? S_OK : S_FALSE;
}

bool uninitialize()
{
    if (holds == 0)
        return false;
    if (--holds == 0)
        freeUnusedLibraries();
    return true;
}

int holdCount()
{
    return holds;
}

HRESULT registerClassObject(const Guid &clsid, IClassFactory *factory)
{
    if (!factory)
        return E_POINTER;
    Runtime &rt = runtime();
    QMutexLocker lock(&rt.mutex);
    if (rt.classObjects.contains(clsid))
        return E_ACCESSDENIED;
    factory->AddRef();
    rt.classObjects.insert(clsid, factory);
    return S_OK;
}

HRESULT revokeClassObject(const Guid &clsid)
{
    Runtime &rt = runtime();
    IClassFactory *factory = nullptr;
    {
        QMutexLocker lock(&rt.mutex);
        factory = rt.classObjects.take(clsid);
    }
    if (!factory)
        return E_INVALIDARG;
    factory->Release();
    return S_OK;
}

QString inprocServerKey(const Guid &clsid)
{
    return QStringLiteral("HKEY_CLASSES_ROOT\\CLSID\\%1\\InprocServer32").arg(clsid.toString());
}

HRESULT getClassObject(const Guid &clsid, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (holds == 0)
        return CO_E_NOTINITIALIZED;
    Runtime &rt = runtime();
    QMutexLocker lock(&rt.mutex);
    if (IClassFactory *factory = rt.classObjects.value(clsid))
        return factory->QueryInterface(iid, object);

    RegistryKey key;
    QString path;
    if (key.open(inprocServerKey(clsid), RegistryKey::ReadOnly) != RegistryKey::Success
        || key.queryString(QString(), &path) != RegistryKey::Success || path.isEmpty())
        return REGDB_E_CLASSNOTREG;
    HRESULT error = S_OK;
    LoadedLibrary *library = loadLibrary(path, &error);
    if (!library)
        return error;
    return library->getClassObject(clsid, iid, object);
}

HRESULT createInstance(const Guid &clsid, IUnknown *outer, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    const HRESULT result = getClassObject(clsid, IID_IClassFactory, factory.put());
    if (failed(result))
        return result;
    return factory->CreateInstance(outer, iid, object);
}

HRESULT registerServer(const QString &libraryPath)
{
    return callServerFunction(libraryPath, "DllRegisterServer");
}

HRESULT unregisterServer(const QString &libraryPath)
{
    return callServerFunction(libraryPath, "DllUnregisterServer");
}

int freeUnusedLibraries()
{
    Runtime &rt = runtime();
    QMutexLocker lock(&rt.mutex);
    for (auto it = rt.libraries.begin(); it != rt.libraries.end();) {
        LoadedLibrary &loaded = it->second;
        if (loaded.canUnloadNow && loaded.canUnloadNow() == S_OK) {
            loaded.library->unload();
            it = rt.libraries.erase(it);
        } else {
            ++it;
        }
    }
    return int(rt.libraries.size());
}

int loadedLibraryCount()
{
    Runtime &rt = runtime();
    QMutexLocker lock(&rt.mutex);
    return int(rt.libraries.size());
}

} // namespace ComponentRuntime

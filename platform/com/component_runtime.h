#pragma once

#include "com/unknown.h"

#include <QString>

// The component runtime: creation by class identifier and the runtime
// holds of each thread.
//
// A class comes from one of two places. Platform objects (the SAPI 4
// engine enumerator, the audio file) register their factories in-process
// with registerClassObject(). Component libraries register themselves in
// the registry store under HKEY_CLASSES_ROOT\CLSID\{id}\InprocServer32,
// whose default value is the library's path; creating such a class loads
// the library and asks its exported DllGetClassObject for the factory. A
// loaded library is unloaded by freeUnusedLibraries() once its
// DllCanUnloadNow answers S_OK.
//
// Creation needs a hold on the runtime by the calling thread (initialize);
// releases never take the count below zero.
namespace ComponentRuntime {

// The exported module functions of a component library.
using DllGetClassObjectFn = HRESULT (*)(const Guid &clsid, const Guid &iid, void **object);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();

// Takes one hold of the calling thread. S_OK for the first, S_FALSE after.
HRESULT initialize();
// Releases one hold of the calling thread; nothing when it holds none.
// Returns whether a hold was released.
bool uninitialize();
int holdCount();  // of the calling thread

// Registers a factory for clsid in this process (the runtime keeps one
// reference until revoked). A class registered here is created without the
// registry.
HRESULT registerClassObject(const Guid &clsid, IClassFactory *factory);
HRESULT revokeClassObject(const Guid &clsid);

HRESULT getClassObject(const Guid &clsid, const Guid &iid, void **object);
HRESULT createInstance(const Guid &clsid, IUnknown *outer, const Guid &iid, void **object);

// Loads a component library and calls its DllRegisterServer or
// DllUnregisterServer. CO_E_DLLNOTFOUND when it cannot be loaded,
// CO_E_ERRORINDLL when it lacks the function.
HRESULT registerServer(const QString &libraryPath);
HRESULT unregisterServer(const QString &libraryPath);

// Unloads every library whose DllCanUnloadNow answers S_OK; returns how
// many are still loaded.
int freeUnusedLibraries();
int loadedLibraryCount();

// The registry path of a class's library registration.
QString inprocServerKey(const Guid &clsid);

} // namespace ComponentRuntime

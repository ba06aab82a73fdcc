#include "app/installation.h"

#include "com/component_runtime.h"
#include "registry/registry_key.h"
#include "shell/program_folder.h"

#include <QCoreApplication>

namespace Installation {

QString appPathsKey()
{
    return QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\sayora.exe");
}

QString controlLibrary()
{
    return programLibrary(QStringLiteral("tavo.so"));
}

void ensureInstalled()
{
    RegistryKey key;
    if (key.open(appPathsKey()) == RegistryKey::NotFound) {
        if (key.create(appPathsKey()) == RegistryKey::Success) {
            key.setString(QString(), QCoreApplication::applicationFilePath());
            key.setString(QStringLiteral("Path"), programFolder());
        } else {
            qWarning("the App Paths key could not be created");
        }
    }

    // Another copy of Sayora (an installed one, and one run from a build
    // folder) registers its own control: each would undo the other at every
    // start. A registered control that loads is kept, whichever copy it is.
    if (registeredControlLoads())
        return;
    const QString library = controlLibrary();
    const HRESULT result = ComponentRuntime::registerServer(library);
    if (failed(result))
        qWarning("the control %s could not be registered: 0x%08x", qPrintable(library), quint32(result));
}

bool registeredControlLoads()
{
    ComponentRuntime::initialize();
    ComPtr<IClassFactory> factory;
    const HRESULT result = ComponentRuntime::getClassObject(CLSID_MyTavo, IID_IClassFactory, factory.put());
    factory.reset();
    ComponentRuntime::uninitialize();
    return succeeded(result);
}

} // namespace Installation

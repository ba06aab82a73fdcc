#include "app/installation.h"

#include "com/component_runtime.h"
#include "registry/registry_key.h"
#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

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

    const QString library = controlLibrary();
    QString registered;
    RegistryKey server;
    if (server.open(ComponentRuntime::inprocServerKey(CLSID_MyTavo), RegistryKey::ReadOnly) == RegistryKey::Success)
        server.queryString(QString(), &registered);
    if (!registered.isEmpty() && QFileInfo(registered).canonicalFilePath() == QFileInfo(library).canonicalFilePath())
        return;
    const HRESULT result = ComponentRuntime::registerServer(library);
    if (failed(result))
        qWarning("the control %s could not be registered: 0x%08x", qPrintable(library), quint32(result));
}

} // namespace Installation

#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programFolder()
{
    static const QString folder = [] {
        const QString forced = qEnvironmentVariable("SAYORA_PROGRAM_DIR");
        if (!forced.isEmpty())
            return QDir(forced).absolutePath();
        const QString exeDir = QCoreApplication::applicationDirPath();
        const QString installed = QDir(exeDir).absoluteFilePath(QStringLiteral("../share/sayora"));
        if (QFileInfo(installed).isDir())
            return QDir(installed).absolutePath();
        return exeDir;
    }();
    return folder;
}

QString programFile(const QString &name)
{
    return programFolder() + QLatin1Char('/') + name;
}

QString userFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder;
}

QString userFile(const QString &name)
{
    return userFolder() + QLatin1Char('/') + name;
}

#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
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

QString programLibrary(const QString &fileName)
{
    const QDir exe(QCoreApplication::applicationDirPath());
    const QString beside = exe.absoluteFilePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(exe.absoluteFilePath(QStringLiteral(SAYORA_RELATIVE_LIBDIR "/") + fileName));
}

QList<QFunctionPointer> loadProgramLibrary(const char *fileName, std::initializer_list<const char *> functions,
                                           QString *error)
{
    QLibrary library(programLibrary(QString::fromLatin1(fileName)));
    QList<QFunctionPointer> resolved;
    if (library.load()) {
        for (const char *name : functions) {
            const QFunctionPointer function = library.resolve(name);
            if (!function)
                break;
            resolved.append(function);
        }
    }
    if (resolved.size() == qsizetype(functions.size()))
        return resolved;
    *error = library.errorString();
    return {};
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

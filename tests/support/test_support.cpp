#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace testsupport {

void isolateUserFolders()
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}

QString programFolder()
{
    return qEnvironmentVariable("SAYORA_PROGRAM_DIR");
}

void useOwnProgramFolder()
{
    static QTemporaryDir folder;
    const QDir shipped(programFolder());
    const QStringList kinds{QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.cur"), QStringLiteral("*.CUR"),
                            QStringLiteral("*.htm"), QStringLiteral("*.dot"), QStringLiteral("*.ini"), QStringLiteral("*.HLP")};
    for (const QFileInfo &file : shipped.entryInfoList(kinds, QDir::Files))
        QFile::copy(file.filePath(), folder.filePath(file.fileName()));
    qputenv("SAYORA_PROGRAM_DIR", folder.path().toUtf8());
}

}  // namespace testsupport

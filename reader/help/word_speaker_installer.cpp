#include "help/word_speaker_installer.h"

#include "files/atomic_file.h"
#include "registry/registry_key.h"
#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString wordKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe");

int fail(int number, QString *description, const QString &reason = QString())
{
    switch (number) {
    case SpeakerInstall::FileNotFound: *description = QCoreApplication::translate("WordSpeakerInstaller", "File not found"); break;
    case SpeakerInstall::PermissionDenied: *description = QCoreApplication::translate("WordSpeakerInstaller", "Permission denied"); break;
    case SpeakerInstall::PathNotFound: *description = QCoreApplication::translate("WordSpeakerInstaller", "Path not found"); break;
    default: *description = QCoreApplication::translate("WordSpeakerInstaller", "Path/File access error"); break;
    }
    if (!reason.isEmpty())
        *description += QStringLiteral(": ") + reason;
    return number;
}

}  // namespace

QString wordFolderFromPath(QString value)
{
    const qsizetype zero = value.indexOf(QChar(0));
    if (zero >= 0)
        value.truncate(zero);
    if (value.startsWith(QLatin1Char('"')))
        value.remove(0, 1);
    if (value.endsWith(QLatin1Char('"')))
        value.chop(1);
    return value;
}

bool usableWordFolder(const QString &wordFolder)
{
    // A relative folder would depend on where the program happens to run,
    // and the top of the file system is no program's folder: the template
    // would land in "/Startup".
    if (!wordFolder.startsWith(QLatin1Char('/')))
        return false;
    return QDir::cleanPath(QString(wordFolder).replace(QLatin1Char('\\'), QLatin1Char('/'))) != QLatin1String("/");
}

QString startupTemplate(const QString &wordFolder)
{
    QString folder = wordFolder;
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + QStringLiteral("/Startup/Speak.dot");
}

int copyTemplate(const QString &source, const QString &destination, QString *description)
{
    const QFileInfo from(source);
    if (!from.isFile())
        return fail(SpeakerInstall::FileNotFound, description);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(SpeakerInstall::PermissionDenied, description);

    const QFileInfo to(destination);
    const QFileInfo folder(to.absolutePath());
    if (!folder.isDir())
        return fail(SpeakerInstall::PathNotFound, description);
    if (to.isDir())
        return fail(SpeakerInstall::FileAccessError, description, QStringLiteral("%1 is a folder").arg(destination));
    // A template someone made read-only stays as it is, even for a user the
    // file system would let write it.
    if (to.exists() && (!to.isWritable() || !(to.permissions() & QFileDevice::WriteOwner)))
        return fail(SpeakerInstall::PermissionDenied, description);
    if (!folder.isWritable())
        return fail(SpeakerInstall::PermissionDenied, description);

    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return fail(SpeakerInstall::FileAccessError, description, in.errorString());
    if (QString why; !AtomicFile::write(destination, bytes, &why))
        return fail(SpeakerInstall::FileAccessError, description, why);
    return 0;
}

SpeakerInstall installWordSpeaker()
{
    SpeakerInstall install;
    RegistryKey key;
    if (key.open(wordKey, RegistryKey::ReadOnly) != RegistryKey::Success) {
        install.result = SpeakerInstall::WordNotFound;
        return install;
    }
    QString path;
    const long read = key.queryString(QStringLiteral("Path"), &path);
    key.close();
    const QString wordFolder = wordFolderFromPath(path);
    if (read != RegistryKey::Success || !usableWordFolder(wordFolder)) {
        install.result = SpeakerInstall::PathNotRead;
        return install;
    }
    install.source = programFile(QStringLiteral("Speak.dot"));
    install.destination = startupTemplate(wordFolder);
    install.errorNumber = copyTemplate(install.source, install.destination, &install.errorDescription);
    install.result = install.errorNumber == 0 ? SpeakerInstall::Installed : SpeakerInstall::CopyFailed;
    return install;
}

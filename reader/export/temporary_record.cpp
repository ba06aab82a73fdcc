#include "export/temporary_record.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

namespace TemporaryRecord {

namespace {

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

QString bootId()
{
    static const QString id = QString::fromLatin1(readSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed());
    return id;
}

// When the process started, in clock ticks since the boot: with the pid it
// names one process, even once the pid is used again.
QString startTimeOf(qint64 pid)
{
    const QByteArray stat = readSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    // "pid (name) state ppid …": the name may hold blanks and parentheses.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // The 22nd field; the list starts at the 3rd.
    return fields.size() > 19 ? QString::fromLatin1(fields.at(19)) : QString();
}

struct Identity
{
    qint64 device = -1;
    qint64 inode = -1;
};

Identity identityOf(const QString &path)
{
    struct stat info{};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.st_dev), qint64(info.st_ino)};
}

// A record of a process on another machine or from before a reboot cannot
// be asked about: its temporary counts as left once unchanged this long.
constexpr qint64 unchangedSeconds = 3600;

bool processEnded(const QJsonObject &record, const QFileInfo &temporary)
{
    if (record.value(QLatin1String("boot")).toString() != bootId())
        return temporary.lastModified().secsTo(QDateTime::currentDateTime()) >= unchangedSeconds;
    const qint64 pid = qint64(record.value(QLatin1String("pid")).toDouble());
    return startTimeOf(pid) != record.value(QLatin1String("start")).toString();
}

}  // namespace

QString recordFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/sayora/temporaries");
}

QString remember(const QString &path)
{
    const Identity identity = identityOf(path);
    if (identity.inode < 0 || !QDir().mkpath(recordFolder()))
        return {};
    QJsonObject record;
    record.insert(QLatin1String("path"), QFileInfo(path).absoluteFilePath());
    // As doubles: device and inode numbers fit well within 2^53.
    record.insert(QLatin1String("device"), double(identity.device));
    record.insert(QLatin1String("inode"), double(identity.inode));
    record.insert(QLatin1String("boot"), bootId());
    record.insert(QLatin1String("pid"), double(::getpid()));
    record.insert(QLatin1String("start"), startTimeOf(::getpid()));
    QTemporaryFile file(recordFolder() + QStringLiteral("/XXXXXXXX.json"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    if (file.write(QJsonDocument(record).toJson(QJsonDocument::Compact)) < 0 || !file.flush()) {
        file.remove();
        return {};
    }
    return file.fileName();
}

void forget(const QString &record)
{
    if (!record.isEmpty())
        QFile::remove(record);
}

QList<Leftover> leftoversIn(const QString &folder)
{
    QList<Leftover> found;
    const QString wanted = QDir(folder).canonicalPath();
    const QFileInfoList records = QDir(recordFolder()).entryInfoList({QStringLiteral("*.json")}, QDir::Files);
    for (const QFileInfo &recordFile : records) {
        const QJsonObject record = QJsonDocument::fromJson(readSmallFile(recordFile.filePath())).object();
        const QString path = record.value(QLatin1String("path")).toString();
        if (path.isEmpty()) {
            // A record its writer never finished, killed while writing it.
            if (recordFile.lastModified().secsTo(QDateTime::currentDateTime()) >= unchangedSeconds)
                QFile::remove(recordFile.filePath());
            continue;
        }
        const QFileInfo temporary(path);
        const Identity identity = identityOf(path);
        const bool same = identity.inode >= 0
                          && identity.device == qint64(record.value(QLatin1String("device")).toDouble())
                          && identity.inode == qint64(record.value(QLatin1String("inode")).toDouble());
        if (!processEnded(record, temporary))
            continue;
        if (!same) {
            // Removed, or renamed into the output, after all.
            QFile::remove(recordFile.filePath());
            continue;
        }
        if (QDir(temporary.absolutePath()).canonicalPath() == wanted)
            found.append({path, recordFile.filePath()});
    }
    return found;
}

}  // namespace TemporaryRecord

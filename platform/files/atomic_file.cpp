#include "files/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Makes and opens a hidden file with a unique name beside file; -1 with errno
// set on failure, the name in *made otherwise. The temporary is private
// (0600) until commit gives it the target's permissions.
int makeTemporary(const QString &file, const QString &suffix, QString *made)
{
    const QFileInfo info(file);
    const QString folder = info.absolutePath();
    const QByteArray tail = QFile::encodeName(QStringLiteral(".XXXXXX") + suffix);
    const long nameMax = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    const qsizetype room = (nameMax > 0 ? nameMax : 255) - 1 - tail.size();
    QString name = info.fileName();
    while (!name.isEmpty() && QFile::encodeName(name).size() > room)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    QByteArray path = QFile::encodeName(folder + QStringLiteral("/.") + name) + tail;
    const int fd = ::mkostemps(path.data(), int(QFile::encodeName(suffix).size()), O_CLOEXEC);
    if (fd >= 0)
        *made = QFile::decodeName(path);
    return fd;
}

// Flushes an open file or folder to the disk; the reason when that fails.
QString syncToDisk(int fd, bool folder)
{
    if (::fsync(fd) == 0)
        return {};
    const int code = errno;
    // Some file systems cannot flush a folder, and say so: nothing is lost.
    if (folder && (code == EINVAL || code == ENOTSUP))
        return {};
    return systemError(code);
}

QString syncToDisk(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return systemError(errno);
    const QString why = syncToDisk(fd, folder);
    ::close(fd);
    return why;
}

// Read-write for everyone the process's umask allows, as for any new file.
mode_t newFilePermissions()
{
    // The umask can only be read by setting it, which races with other
    // threads creating files: ask the kernel's status file instead.
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            bool ok = false;
            if (const uint value = line.mid(6).trimmed().toUInt(&ok, 8); line.startsWith("Umask:") && ok)
                mask = mode_t(value);
        }
    }
    return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(const QString &target)
    : m_target(target)
    , m_file(followLinks(target))
{
}

AtomicFile::~AtomicFile()
{
    removeTemporary();
}

QString AtomicFile::followLinks(const QString &name)
{
    QFileInfo info(name);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    // A loop of links is replaced as a name of its own.
    return info.isSymLink() ? QFileInfo(name).absoluteFilePath() : info.absoluteFilePath();
}

QString AtomicFile::temporaryBeside(const QString &file, const QString &suffix)
{
    QString made;
    const int fd = makeTemporary(file, suffix, &made);
    if (fd < 0)
        return {};
    ::close(fd);
    return made;
}

bool AtomicFile::open()
{
    removeTemporary();
    m_failed = m_replaced = false;
    m_error.clear();
    m_reason.clear();
    m_fd = makeTemporary(m_file, QString(), &m_temporary);
    if (m_fd < 0)
        return fail(tr("%1 could not be written: %2"), systemError(errno));
    return true;
}

void AtomicFile::adopt(const QString &finished)
{
    removeTemporary();
    m_failed = m_replaced = false;
    m_error.clear();
    m_reason.clear();
    m_temporary = finished;
}

bool AtomicFile::write(const QByteArray &bytes)
{
    if (m_failed)
        return false;
    if (m_fd < 0)
        return fail(tr("%1 could not be written: %2"), tr("it is not open"));
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(tr("%1 could not be written: %2"), systemError(written < 0 ? errno : ENOSPC));
        data += written;
        left -= written;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_failed)
        return false;
    if (m_temporary.isEmpty())
        return fail(tr("%1 could not be written: %2"), tr("it is not open"));
    if (!givePermissions())
        return false;
    // The content reaches the disk before the name does, so that a power
    // cut leaves the old file or the new one, never an empty one.
    if (m_durable) {
        const QString why = m_fd >= 0 ? syncToDisk(m_fd, false) : syncToDisk(m_temporary, false);
        if (!why.isEmpty())
            return fail(tr("%1 could not be written: %2"), why);
    }
    // Closing reports what a network file system could not write.
    if (m_fd >= 0 && ::close(std::exchange(m_fd, -1)) != 0 && errno != EINTR)
        return fail(tr("%1 could not be written: %2"), systemError(errno));
    // Same folder, so the rename replaces the target in one step.
    if (::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_file).constData()) != 0)
        return fail(tr("%1 could not be replaced: %2"), systemError(errno));
    m_temporary.clear();
    m_replaced = true;
    // And the rename itself is made lasting. The new file is in place by
    // now: whatever fails here does not undo it, and is told as it is.
    if (m_durable) {
        if (const QString why = syncToDisk(QFileInfo(m_file).absolutePath(), true); !why.isEmpty()) {
            m_error = tr("%1 is in place, but the system could not confirm that it reached the disk: %2")
                          .arg(m_target, why);
            m_reason = why;
            m_failed = true;
            return false;
        }
    }
    return true;
}

bool AtomicFile::givePermissions()
{
    // The temporary was made private; the target gets what it had, or what
    // a file newly written in its place would have had.
    struct stat old {};
    const mode_t wanted = ::stat(QFile::encodeName(m_file).constData(), &old) == 0 ? (old.st_mode & 07777)
                                                                                   : newFilePermissions();
    const QByteArray temporary = QFile::encodeName(m_temporary);
    if ((m_fd >= 0 ? ::fchmod(m_fd, wanted) : ::chmod(temporary.constData(), wanted)) == 0)
        return true;
    const int code = errno;
    // A file system that keeps fixed permissions refuses; that is harmless
    // as long as whoever should read the file still can.
    struct stat now {};
    if (::stat(temporary.constData(), &now) == 0 && (now.st_mode & wanted) == wanted)
        return true;
    return fail(tr("The permissions of %1 could not be set: %2"), systemError(code));
}

void AtomicFile::cancel()
{
    removeTemporary();
}

bool AtomicFile::fail(const QString &sentence, const QString &reason)
{
    m_error = sentence.arg(m_target, reason);
    m_reason = reason;
    m_failed = true;
    removeTemporary();
    return false;
}

void AtomicFile::removeTemporary()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(std::exchange(m_temporary, QString())).constData());
}

bool AtomicFile::write(const QString &target, const QByteArray &bytes, QString *reason)
{
    AtomicFile file(target);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (reason)
        *reason = file.reason();
    return false;
}

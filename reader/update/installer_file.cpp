#include "update/installer_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The context of this file's texts in the catalogues.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(InstallerFile)
};

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString startError(int error)
{
    switch (error) {
    case ENOEXEC:
        return Texts::tr("it is neither a program nor a script with an interpreter line (#!)");
    case EACCES:
    case EPERM:
        return Texts::tr("it may not be run from this folder");
    case ENOENT:
        return Texts::tr("the interpreter its first line names is missing");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

}  // namespace

InstallerFile::~InstallerFile()
{
    close();
}

bool InstallerFile::create(const QString &folder, const QString &name, QString *why)
{
    close();
    m_name = QFile::encodeName(name);
    m_written = 0;
    m_hash.reset();
    // Everything below goes through this descriptor: a folder renamed or
    // replaced after the check is not the one written into.
    m_folder = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat folderStat {};
    if (m_folder < 0 || ::fstat(m_folder, &folderStat) != 0) {
        *why = Texts::tr("The folder %1 cannot be opened: %2").arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    if (folderStat.st_uid != ::geteuid() || (folderStat.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        *why = Texts::tr("The folder %1 belongs to another user or can be changed by other users, so no installer is "
                  "downloaded into it. Make it yours and writable by you alone (chmod 700).").arg(folder);
        close();
        return false;
    }
    if (::unlinkat(m_folder, m_name.constData(), 0) != 0 && errno != ENOENT) {
        *why = Texts::tr("The old installer %1 cannot be removed: %2").arg(name, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    // New, never through an existing name or link; runnable by the user alone.
    m_write = ::openat(m_folder, m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0700);
    // A second descriptor, read-only, to start the file by: a program cannot
    // be started while a descriptor open for writing remains (ETXTBSY). It
    // must be the same file as the one written.
    if (m_write >= 0)
        m_read = ::openat(m_folder, m_name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat written {}, read {};
    if (m_write < 0 || m_read < 0 || ::fchmod(m_write, 0700) != 0 || ::fstat(m_write, &written) != 0
        || ::fstat(m_read, &read) != 0 || !sameFile(written, read)) {
        *why = Texts::tr("The installer %1 cannot be created: %2").arg(name, QString::fromLocal8Bit(std::strerror(errno)));
        remove();
        return false;
    }
    return true;
}

bool InstallerFile::append(const QByteArray &bytes)
{
    if (m_write < 0)
        return false;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_write, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    m_hash.addData(bytes);
    m_written += bytes.size();
    return true;
}

bool InstallerFile::start(QString *why)
{
    struct stat file {};
    if (m_read < 0 || m_write < 0 || ::fstat(m_write, &file) != 0 || file.st_size != m_written) {
        *why = Texts::tr("the file was not written whole");
        return false;
    }
    closeFd(m_write);

    char *const argv[] = {m_name.data(), nullptr};
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        *why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Between fork and exec only async-signal-safe calls. The child starts
    // the installer in a grandchild and ends at once, so the installer is
    // nobody's child here and outlives the reader; setsid() takes it out of
    // the reader's session. An exec that fails writes its errno into the
    // pipe; one that succeeds closes it (close-on-exec).
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t installer = ::fork();
        if (installer == 0) {
            // The installer starts in its own folder where it can; where it
            // cannot, it starts anyway, as it would from any folder.
            [[maybe_unused]] const int moved = ::fchdir(m_folder);
            // A script with an interpreter line is run by the kernel as
            // "interpreter /dev/fd/N": the descriptor must survive the exec,
            // so close-on-exec is cleared here, in the installer's process
            // alone. A binary simply keeps it open.
            ::fcntl(m_read, F_SETFD, 0);
            ::fexecve(m_read, argv, environ);
        }
        const int error = errno;
        if (installer > 0)
            ::_exit(0);
        [[maybe_unused]] const ssize_t n = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    const int forkError = errno;
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        *why = QString::fromLocal8Bit(std::strerror(forkError));
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (n != 0) {
        *why = n == ssize_t(sizeof error) ? startError(error) : Texts::tr("it could not be started");
        return false;
    }
    return true;
}

void InstallerFile::remove()
{
    const int fd = m_read >= 0 ? m_read : m_write;
    struct stat mine {}, named {};
    if (m_folder >= 0 && fd >= 0 && ::fstat(fd, &mine) == 0
        && ::fstatat(m_folder, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(mine, named))
        ::unlinkat(m_folder, m_name.constData(), 0);
    close();
}

void InstallerFile::close()
{
    closeFd(m_write);
    closeFd(m_read);
    closeFd(m_folder);
}

void InstallerFile::removeLeftover(const QString &folder, const QString &name)
{
    ::unlink(QFile::encodeName(folder + QLatin1Char('/') + name).constData());
}

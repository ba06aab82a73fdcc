#include "export/sound_file_commit.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "export/temporary_record.h"
#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/statvfs.h>
#include <system_error>
#include <utility>
#include <unistd.h>

namespace {

// Creates an empty hidden file with a unique name beside target; empty on
// failure. The target's name is shortened as far as needed for the
// temporary's to be as legal as the target's.
QString temporaryBeside(const QString &target, const QString &suffix)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    const long nameMax = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    const qsizetype room = (nameMax > 0 ? nameMax : 255) - QFile::encodeName(QStringLiteral("..XXXXXX") + suffix).size();
    QString name = info.fileName();
    while (!name.isEmpty() && QFile::encodeName(name).size() > room)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    QTemporaryFile file(folder + QStringLiteral("/.") + name + QStringLiteral(".XXXXXX") + suffix);
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

// The file a name stands for: a symbolic link is followed to the file it
// names (which need not exist yet), as a text save does.
QString followLinks(const QString &name)
{
    QFileInfo info(name);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? name : info.absoluteFilePath();
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Flushes a file or folder to the disk; the reason when that fails.
QString syncToDisk(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return systemError(errno);
    const int result = ::fsync(fd);
    const int code = errno;
    ::close(fd);
    // Some file systems cannot sync a folder, and say so: nothing is lost.
    if (result != 0 && !(folder && (code == EINVAL || code == ENOTSUP)))
        return systemError(code);
    return {};
}

// Read-write for everyone the process's umask allows, as for any new file.
std::filesystem::perms newFilePermissions()
{
    // The umask can only be read by setting it, which races with other
    // threads creating files: ask the kernel's status file instead.
    uint mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            bool ok = false;
            if (const uint value = line.mid(6).trimmed().toUInt(&ok, 8); line.startsWith("Umask:") && ok)
                mask = value;
        }
    }
    return std::filesystem::perms(0666 & ~mask);
}

} // namespace

SoundFileCommit::SoundFileCommit(QObject *parent)
    : QObject(parent)
{
}

SoundFileCommit::~SoundFileCommit()
{
    cancel();
}

bool SoundFileCommit::fail(const QString &why)
{
    m_error = why;
    cancel();
    return false;
}

bool SoundFileCommit::prepare(const QString &target, bool encode)
{
    m_target = target;
    m_file = followLinks(target);
    m_error.clear();
    m_tmpWav = temporaryBeside(m_file, QStringLiteral(".wav"));
    m_wavRecord = TemporaryRecord::remember(m_tmpWav);
    if (encode) {
        m_tmpEncoded = temporaryBeside(m_file, QStringLiteral(".mp3"));
        m_encodedRecord = TemporaryRecord::remember(m_tmpEncoded);
    }
    if (m_tmpWav.isEmpty() || (encode && m_tmpEncoded.isEmpty()))
        return fail(folderProblem(QFileInfo(m_file).absolutePath()));
    return true;
}

QString SoundFileCommit::folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return tr("The folder %1 does not exist.").arg(folder);
    if (!info.isDir())
        return tr("The folder %1 cannot be written to: it is a file.").arg(folder);
    return tr("The folder %1 cannot be written to.").arg(folder);
}

QString SoundFileCommit::encoderPath()
{
    const QString beside = programFile(QStringLiteral("lame"));
    if (QFileInfo(beside).isExecutable() && QFileInfo(beside).isFile())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("lame"));
}

bool SoundFileCommit::checkWave(const QString &path, double *seconds, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = tr("The speech was not rendered (no sound file).");
        return false;
    }
    const WaveFile::Info wave = WaveFile::read(file.read(WaveFile::headerBytes), file.size());
    if (wave.valid && wave.dataBytes > 0) {
        *seconds = wave.seconds();
        return true;
    }
    // A writer that ran out of room leaves its file unfinished: say why.
    if (const QString full = diskFull(path); !full.isEmpty())
        *why = full;
    else if (!wave.valid)
        *why = tr("The speech was not rendered completely (the sound file is damaged).");
    else
        *why = tr("The voice produced no speech for this text.");
    return false;
}

QString SoundFileCommit::diskFull(const QString &path)
{
    // Less than this left means a file being written there has run out of
    // room (a file system keeps a little for itself).
    constexpr quint64 nearlyFull = 64 * 1024;
    struct statvfs fs{};
    if (statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &fs) != 0
        || quint64(fs.f_bavail) * fs.f_frsize >= nearlyFull)
        return {};
    return tr("The sound file could not be written: %1.").arg(systemError(ENOSPC));
}

bool SoundFileCommit::checkMp3(const QByteArray &bytes, double *seconds)
{
    return Mp3Stream::check(bytes, seconds);
}

double SoundFileCommit::encodedFraction() const
{
    if (!encoderRunning() || m_waveSeconds <= 0)
        return m_encoder && !encoderRunning() ? 1.0 : 0.0;
    // The encoder writes constant-rate frames: the first one's rate says how
    // large the whole file will be.
    if (m_kbps == 0) {
        QFile mp3(m_tmpEncoded);
        const QByteArray head = mp3.open(QIODevice::ReadOnly) ? mp3.read(64 * 1024) : QByteArray();
        if (Mp3Stream::Frame frame; Mp3Stream::frameAt(head, Mp3Stream::firstFrame(head), &frame))
            m_kbps = frame.kbps;
        if (m_kbps == 0)
            return 0;
    }
    return std::clamp(double(QFileInfo(m_tmpEncoded).size()) / (m_waveSeconds * m_kbps * 125.0), 0.0, 1.0);
}

bool SoundFileCommit::startEncoder()
{
    m_error.clear();
    QString why;
    if (!checkWave(m_tmpWav, &m_waveSeconds, &why))
        return fail(why);
    const QString lame = encoderPath();
    if (lame.isEmpty())
        return fail(tr("The MP3 encoder \"lame\" is not installed."));
    delete m_encoder;
    m_kbps = 0;
    m_encoder = new QProcess(this);
    m_encoder->setProgram(lame);
    // An argument list: names with blanks or quotes reach lame whole, and no
    // shell ever sees them.
    const QStringList tags = tagArguments(m_tags);
    const QStringList rate = m_bitrate > 0 ? QStringList{QStringLiteral("-b"), QString::number(m_bitrate)} : QStringList();
    m_encoder->setArguments(QStringList{QStringLiteral("-f"), QStringLiteral("--quiet")} + rate + tags
                            + QStringList{m_tmpWav, m_tmpEncoded});
    if (!tags.isEmpty()) {
        // lame reads the tag texts in the locale's encoding, and they are
        // passed in UTF-8: under a C locale a title would end at its first
        // letter outside ASCII.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        m_encoder->setProcessEnvironment(environment);
    }
    m_encoder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_encoder->setStandardOutputFile(QProcess::nullDevice());
    connect(m_encoder, &QProcess::finished, this, &SoundFileCommit::encoderFinished);
    connect(m_encoder, &QProcess::started, this, &SoundFileCommit::encoderStarted);
    // Nothing waits for it to start: one that cannot is a finish() that
    // fails, saying why.
    connect(m_encoder, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            QMetaObject::invokeMethod(this, &SoundFileCommit::encoderFinished, Qt::QueuedConnection);
    });
    m_encoder->start();
    return true;
}

QStringList SoundFileCommit::tagArguments(const Tags &tags)
{
    QStringList arguments;
    const auto text = [&arguments](const char *option, const QString &value) {
        if (!value.trimmed().isEmpty())
            arguments << QString::fromLatin1(option) << value.simplified();
    };
    text("--tt", tags.title);
    text("--tl", tags.album);
    text("--ta", tags.artist);
    if (tags.track > 0)
        arguments << QStringLiteral("--tn")
                  << (tags.total >= tags.track ? QStringLiteral("%1/%2").arg(tags.track).arg(tags.total)
                                               : QString::number(tags.track));
    if (arguments.isEmpty())
        return arguments;
    // Version 2 alone (version 1 cuts at 30 bytes of Latin-1), its texts in
    // UTF-16 so that any title survives.
    return QStringList{QStringLiteral("--id3v2-only"), QStringLiteral("--id3v2-utf16")} + arguments;
}

bool SoundFileCommit::encoderRunning() const
{
    return m_encoder && m_encoder->state() != QProcess::NotRunning;
}

bool SoundFileCommit::finish()
{
    m_error.clear();
    if (!m_encoder || encoderRunning())
        return fail(tr("The MP3 encoder did not finish."));
    if (m_encoder->error() == QProcess::FailedToStart)
        return fail(tr("The MP3 encoder \"lame\" could not be started: %1").arg(m_encoder->errorString()));
    if (m_encoder->exitStatus() != QProcess::NormalExit)
        return fail(tr("The MP3 encoder stopped before it had finished."));
    const QString full = diskFull(m_tmpEncoded);
    if (m_encoder->exitCode() != 0)
        return fail(!full.isEmpty() ? full : tr("The MP3 encoder failed (exit code %1).").arg(m_encoder->exitCode()));
    return keepMp3(m_waveSeconds);
}

bool SoundFileCommit::keepMp3(double seconds)
{
    m_error.clear();
    m_waveSeconds = seconds;
    double found = 0;
    // lame pads the end; a file shorter than the speech is cut short.
    if (!Mp3Stream::checkFile(m_tmpEncoded, &found) || found < seconds * 0.98) {
        const QString full = diskFull(m_tmpEncoded);
        return fail(!full.isEmpty() ? full : tr("The MP3 encoder did not write a complete MP3 file."));
    }
    return keepEncoded();
}

bool SoundFileCommit::keepEncoded()
{
    m_error.clear();
    if (!replaceTarget(m_tmpEncoded))
        return false;
    m_tmpEncoded.clear();
    TemporaryRecord::forget(std::exchange(m_encodedRecord, QString()));
    removeTemporaries();
    return true;
}

bool SoundFileCommit::keepWave()
{
    m_error.clear();
    QString why;
    if (!checkWave(m_tmpWav, &m_waveSeconds, &why))
        return fail(why);
    if (!replaceTarget(m_tmpWav))
        return false;
    m_tmpWav.clear();
    TemporaryRecord::forget(std::exchange(m_wavRecord, QString()));
    removeTemporaries();
    return true;
}

bool SoundFileCommit::replaceTarget(const QString &finished)
{
    m_notice.clear();
    // The temporary file was made private; the target gets what a file
    // written in its place would have had.
    namespace fs = std::filesystem;
    const fs::path from = QFile::encodeName(finished).toStdString(), to = QFile::encodeName(m_file).toStdString();
    std::error_code ec;
    const fs::file_status old = fs::status(to, ec);
    const fs::perms wanted = fs::exists(old) ? old.permissions() : newFilePermissions();
    fs::permissions(from, wanted, ec);
    // A file system that keeps fixed permissions refuses; that is harmless
    // as long as whoever should read the file still can.
    std::error_code statusError;
    if (ec && (fs::status(from, statusError).permissions() & wanted) != wanted)
        return fail(tr("The permissions of %1 could not be set: %2").arg(m_target, QString::fromLocal8Bit(ec.message().c_str())));
    // The content reaches the disk before the name does, so that a power
    // cut leaves the old file or the new one, never an empty one.
    if (const QString why = m_durable ? syncToDisk(finished, false) : QString(); !why.isEmpty())
        return fail(tr("%1 could not be written: %2").arg(m_target, why));
    // Same folder, so the rename replaces the target in one step.
    fs::rename(from, to, ec);
    if (ec)
        return fail(tr("%1 could not be replaced: %2").arg(m_target, QString::fromLocal8Bit(ec.message().c_str())));
    // And the rename itself is made lasting. The new file is in place by
    // now: whatever fails here does not undo the export, and is told as it is.
    if (const QString why = m_durable ? syncToDisk(QFileInfo(m_file).absolutePath(), true) : QString();
        !why.isEmpty())
        m_notice = tr("%1 is in place, but the system could not confirm that it reached the disk: %2")
                       .arg(m_target, why);
    return true;
}

void SoundFileCommit::cancel()
{
    if (m_encoder) {
        m_encoder->disconnect(this);
        if (m_encoder->state() != QProcess::NotRunning) {
            // Killed, not waited for: it goes when it has ended, and so
            // does anything it may still have made of its output.
            QProcess *encoder = std::exchange(m_encoder, nullptr);
            encoder->setParent(nullptr);
            connect(encoder, &QProcess::finished, encoder, [encoder, mp3 = m_tmpEncoded] {
                if (!mp3.isEmpty())
                    QFile::remove(mp3);
                encoder->deleteLater();
            });
            encoder->kill();
        }
    }
    removeTemporaries();
}

void SoundFileCommit::removeTemporaries()
{
    for (QString *path : {&m_tmpWav, &m_tmpEncoded}) {
        if (!path->isEmpty())
            QFile::remove(*path);
        path->clear();
    }
    for (QString *record : {&m_wavRecord, &m_encodedRecord})
        TemporaryRecord::forget(std::exchange(*record, QString()));
}

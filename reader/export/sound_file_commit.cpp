#include "export/sound_file_commit.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "export/temporary_record.h"
#include "files/atomic_file.h"
#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>
#include <utility>

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
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
    m_file = AtomicFile::followLinks(target);
    m_error.clear();
    m_tmpWav = AtomicFile::temporaryBeside(m_file, QStringLiteral(".wav"));
    m_wavRecord = TemporaryRecord::remember(m_tmpWav);
    if (encode) {
        m_tmpEncoded = AtomicFile::temporaryBeside(m_file, QStringLiteral(".mp3"));
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

bool SoundFileCommit::checkRendering()
{
    m_error.clear();
    if (checkWave(m_tmpWav, &m_waveSeconds, &m_error))
        return true;
    return false;
}

bool SoundFileCommit::startEncoder()
{
    if (!checkRendering())
        return fail(m_error);
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
    // Named as the user gave it: the messages name it so.
    AtomicFile file(m_target);
    file.setDurable(m_durable);
    file.adopt(finished);
    if (file.commit())
        return true;
    if (!file.replaced())
        return fail(file.errorString());
    // In place, unconfirmed: the export is done, and says so.
    m_notice = file.errorString();
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

#include "convert/output_folder.h"

#include <QCoreApplication>

#include "export/export_estimate.h"
#include "export/temporary_record.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

namespace OutputFolder {

bool isComplete(const QString &output)
{
    const QFileInfo info(output);
    return info.isFile() && info.size() > 0;
}

QStringList removeStaleTemporaries(const QString &folder)
{
    // Only what a conversion wrote down as its own, and only once that
    // conversion has ended: a name and an age prove nothing, and a user's
    // ".holiday.Ab12Cd.wav" looks like ours.
    QStringList removed;
    for (const TemporaryRecord::Leftover &leftover : TemporaryRecord::leftoversIn(folder)) {
        const QFileInfo info(leftover.path);
        const bool gone = info.isDir() && !info.isSymLink() ? QDir(leftover.path).removeRecursively()
                                                             : QFile::remove(leftover.path);
        if (gone) {
            removed << info.fileName();
            TemporaryRecord::forget(leftover.record);
        }
    }
    removed.sort();
    return removed;
}

qint64 neededBytes(qint64 textLength, Convert::Format format, int rate)
{
    if (format == Convert::Format::Text)
        return textLength * 4;
    // The window's estimates give a fiftieth of the size; the middle of the
    // rate scale stands for a voice's own speed.
    const double wave = 50.0 * ExportEstimate::estimateWaveSize(textLength, rate >= 0 ? rate : 50);
    const double total = format == Convert::Format::Mp3 ? wave + 50.0 * ExportEstimate::estimateMp3Size(qint64(wave)) : wave;
    return qint64(total);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= 1024LL * 1024 * 1024)
        return QCoreApplication::translate("Convert", "%1 GB").arg(double(bytes) / (1024.0 * 1024 * 1024), 0, 'f', 1);
    if (bytes >= 1024LL * 1024)
        return QCoreApplication::translate("Convert", "%1 MB").arg(double(bytes) / (1024.0 * 1024), 0, 'f', 1);
    return QCoreApplication::translate("Convert", "%1 kB").arg((bytes + 1023) / 1024);
}

QString roomShortage(const QString &output, qint64 needed)
{
    const QStorageInfo storage(QFileInfo(output).absolutePath());
    if (!storage.isValid() || !storage.isReady())
        return {};
    const qint64 free = storage.bytesAvailable();
    if (free < 0 || free >= needed)
        return {};
    return QCoreApplication::translate("Convert", "the folder %1 has %2 free, and this conversion needs at least %3")
        .arg(QFileInfo(output).absolutePath(), sizeText(free), sizeText(needed));
}

Convert::ExitCode classifyFailure(Convert::ExitCode code, const QString &error)
{
    if (code != Convert::RenderFailed)
        return code;
    // The causes as the export names them: the system's own words for a
    // full disk or quota, or an encoder that did not end by itself.
    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const QString quota = QString::fromLocal8Bit(std::strerror(EDQUOT));
    // In the user's language, and past its first letter, which the line
    // that quotes it makes small.
    const QString encoderStopped =
        QCoreApplication::translate("SoundFileCommit", "The MP3 encoder stopped before it had finished.");
    if (error.contains(full, Qt::CaseInsensitive) || error.contains(quota, Qt::CaseInsensitive)
        || error.contains(encoderStopped.mid(1)))
        return Convert::RetryFailed;
    return code;
}

}  // namespace OutputFolder

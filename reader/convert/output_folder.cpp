#include "convert/output_folder.h"

#include "documents/document_saver.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

namespace OutputFolder {

bool isComplete(const QString &output)
{
    const QFileInfo info(output);
    return info.isFile() && info.size() > 0;
}

bool isTemporaryName(const QString &fileName)
{
    // QTemporaryFile's six letters or digits stand for the XXXXXX.
    static const QRegularExpression temporary(QStringLiteral("^\\..+\\.[A-Za-z0-9]{6}\\.(wav|mp3)$"));
    return temporary.match(fileName).hasMatch();
}

QStringList removeStaleTemporaries(const QString &folder, qint64 minimumAgeSeconds)
{
    QStringList removed;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral(".*.wav"), QStringLiteral(".*.mp3")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files) {
        // A link is never ours: the temporaries are plain files.
        if (file.isSymLink() || !file.isFile() || !isTemporaryName(file.fileName()))
            continue;
        if (file.lastModified().toUTC() > before)
            continue;
        if (QFile::remove(file.filePath()))
            removed << file.fileName();
    }
    // The hidden folder of a long text's pieces (".NAME.XXXXXX.parts"),
    // holding nothing but its numbered parts and their temporaries.
    static const QRegularExpression partsFolder(QStringLiteral("^\\..+\\.[A-Za-z0-9]{6}\\.parts$"));
    static const QRegularExpression partName(QStringLiteral("^\\.?\\d{3}\\."));
    for (const QFileInfo &parts : QDir(folder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (parts.isSymLink() || !partsFolder.match(parts.fileName()).hasMatch() || parts.lastModified().toUTC() > before)
            continue;
        const QFileInfoList inside = QDir(parts.filePath()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const bool ours = std::all_of(inside.cbegin(), inside.cend(), [&](const QFileInfo &file) {
            return file.isFile() && !file.isSymLink() && partName.match(file.fileName()).hasMatch()
                   && file.lastModified().toUTC() <= before;
        });
        if (ours && QDir(parts.filePath()).removeRecursively())
            removed << parts.fileName();
    }
    return removed;
}

qint64 neededBytes(qint64 textLength, Convert::Format format, int rate)
{
    if (format == Convert::Format::Text)
        return textLength * 4;
    // The window's estimates give a fiftieth of the size; the middle of the
    // rate scale stands for a voice's own speed.
    const double wave = 50.0 * DocumentSaver::estimateWaveSize(textLength, rate >= 0 ? rate : 50);
    const double total = format == Convert::Format::Mp3 ? wave + 50.0 * DocumentSaver::estimateMp3Size(qint64(wave)) : wave;
    return qint64(total);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= 1024LL * 1024 * 1024)
        return QStringLiteral("%1 GB").arg(double(bytes) / (1024.0 * 1024 * 1024), 0, 'f', 1);
    if (bytes >= 1024LL * 1024)
        return QStringLiteral("%1 MB").arg(double(bytes) / (1024.0 * 1024), 0, 'f', 1);
    return QStringLiteral("%1 kB").arg((bytes + 1023) / 1024);
}

QString roomShortage(const QString &output, qint64 needed)
{
    const QStorageInfo storage(QFileInfo(output).absolutePath());
    if (!storage.isValid() || !storage.isReady())
        return {};
    const qint64 free = storage.bytesAvailable();
    if (free < 0 || free >= needed)
        return {};
    return QStringLiteral("the folder %1 has %2 free, and this conversion needs at least %3")
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
    if (error.contains(full, Qt::CaseInsensitive) || error.contains(quota, Qt::CaseInsensitive)
        || error.contains(QLatin1String("stopped before it had finished")))
        return Convert::RetryFailed;
    return code;
}

}  // namespace OutputFolder

#include "app/reading_positions.h"

#include "files/atomic_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Fifty lines of long paths stay far below this; anything larger is not ours.
constexpr qint64 maxFileSize = 1024 * 1024;

std::optional<ReadingPositions::Entry> parseLine(QByteArrayView line)
{
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != 4)
        return std::nullopt;
    bool ok[3] = {};
    ReadingPositions::Entry entry;
    entry.position = fields.at(0).toLongLong(&ok[0]);
    entry.size = fields.at(1).toLongLong(&ok[1]);
    entry.modified = fields.at(2).toLongLong(&ok[2]);
    entry.path = QUrl::fromPercentEncoding(fields.at(3));
    if (!ok[0] || !ok[1] || !ok[2] || entry.position < 0 || entry.size < 0 || !QDir::isAbsolutePath(entry.path))
        return std::nullopt;
    return entry;
}

}  // namespace

ReadingPositions::ReadingPositions(const QString &filePath)
    : m_filePath(filePath)
{
}

QString ReadingPositions::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/positions.txt");
}

std::optional<ReadingPositions::Entry> ReadingPositions::identify(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    Entry entry;
    entry.path = info.absoluteFilePath();
    entry.size = info.size();
    entry.modified = info.lastModified().toMSecsSinceEpoch();
    return entry;
}

QList<ReadingPositions::Entry> ReadingPositions::entries() const
{
    QFile file(m_filePath);
    if (m_filePath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(maxFileSize));
}

QList<ReadingPositions::Entry> ReadingPositions::parse(QByteArrayView bytes)
{
    QList<Entry> result;
    QSet<QString> seen;
    for (const QByteArray &text : bytes.toByteArray().split('\n')) {
        const auto entry = parseLine(text);
        if (!entry || seen.contains(entry->path))
            continue;
        seen.insert(entry->path);
        result.append(*entry);
        if (result.size() == Capacity)
            break;
    }
    return result;
}

QByteArray ReadingPositions::line(const Entry &entry)
{
    return QByteArray::number(entry.position) + '\t' + QByteArray::number(entry.size) + '\t'
           + QByteArray::number(entry.modified) + '\t' + QUrl::toPercentEncoding(entry.path, "/") + '\n';
}

qint64 ReadingPositions::find(const Entry &document) const
{
    for (const Entry &entry : entries()) {
        if (entry.path == document.path)
            return entry.size == document.size && entry.modified == document.modified ? entry.position : 0;
    }
    return 0;
}

bool ReadingPositions::remember(const Entry &document, qint64 position)
{
    if (m_filePath.isEmpty() || !QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    // Another window writing at this moment finishes first, so its entry is
    // in what we read; a lock left by a crashed window goes stale.
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        return false;
    Entry fresh = document;
    fresh.position = std::max<qint64>(position, 0);
    QByteArray bytes = line(fresh);
    int count = 1;
    for (const Entry &entry : entries()) {
        if (count == Capacity)
            break;
        if (entry.path == fresh.path)
            continue;
        bytes += line(entry);
        ++count;
    }
    return AtomicFile::write(m_filePath, bytes);
}

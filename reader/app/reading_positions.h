#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Where the reading of each of the last documents opened stopped, so that a
// document opened again resumes there. A document is known by its full path
// together with its size and modification time: a changed file is a new
// document and starts at the beginning.
//
// The file holds one line per document, most recent first:
// position, size, modification time (ms since the epoch, UTC) and the
// percent-encoded path, separated by tabs. A line that does not parse is
// dropped on its own; the others stay.
//
// Several windows (processes) share the file: each change re-reads it,
// replaces its own document's line and writes it back atomically, under a
// lock file, so entries of other windows survive and the last writer wins
// for a given document only.
class ReadingPositions
{
public:
    static constexpr int Capacity = 50;

    struct Entry
    {
        QString path;
        qint64 size = 0;
        qint64 modified = 0;
        qint64 position = 0;
    };

    explicit ReadingPositions(const QString &filePath = defaultPath());
    // "positions.txt" beside the settings file.
    static QString defaultPath();
    QString filePath() const { return m_filePath; }

    // A file as it is now (position 0); nothing when it is not a readable file.
    static std::optional<Entry> identify(const QString &path);
    // The stored place of a document; 0 when unknown or when the file changed.
    qint64 find(const Entry &document) const;
    // Stores the place of a document as the most recent one, dropping the
    // oldest beyond Capacity. False when the file could not be written.
    bool remember(const Entry &document, qint64 position);
    // The entries that parse, most recent first.
    QList<Entry> entries() const;

    // The file's contents read: the lines that parse, the first of each
    // path only, at most Capacity of them.
    static QList<Entry> parse(QByteArrayView bytes);
    // An entry as one line of the file, with its line break.
    static QByteArray line(const Entry &entry);

private:
    QString m_filePath;
};

// libFuzzer target for the reading positions file: any bytes give entries
// that keep the file's promises (absolute paths, no negative position or
// size, one entry a path, at most Capacity), and the entries written back
// read the same.
//   scripts/fuzz.sh 60 fuzz_positions
#include "app/reading_positions.h"

#include <QDir>
#include <QSet>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<ReadingPositions::Entry> entries = ReadingPositions::parse(bytes);
    if (entries.size() > ReadingPositions::Capacity)
        std::abort();
    QSet<QString> paths;
    QByteArray written;
    for (const ReadingPositions::Entry &entry : entries) {
        if (entry.position < 0 || entry.size < 0 || !QDir::isAbsolutePath(entry.path) || !entry.path.isValidUtf16())
            std::abort();
        if (paths.contains(entry.path))
            std::abort();
        paths.insert(entry.path);
        written += ReadingPositions::line(entry);
    }
    const QList<ReadingPositions::Entry> again = ReadingPositions::parse(written);
    if (again.size() != entries.size())
        std::abort();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ReadingPositions::Entry &a = entries.at(i), &b = again.at(i);
        if (a.path != b.path || a.size != b.size || a.modified != b.modified || a.position != b.position)
            std::abort();
    }
    return 0;
}

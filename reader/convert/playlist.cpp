#include "convert/playlist.h"

namespace Playlist {

QByteArray m3u(const QList<Entry> &entries)
{
    QByteArray out = "#EXTM3U\n";
    for (const Entry &e : entries) {
        out += "#EXTINF:" + QByteArray::number(qRound64(e.seconds)) + ',' + e.title.simplified().toUtf8() + '\n';
        out += e.file.toUtf8() + '\n';
    }
    return out;
}

}  // namespace Playlist

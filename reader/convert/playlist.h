#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The playlist that orders the files a text was split into (by length, or
// by chapter).
namespace Playlist {

struct Entry
{
    QString file;  // relative to the playlist
    QString title;
    double seconds = 0;
};
// An extended M3U playlist in UTF-8 (for a .m3u or .m3u8 file).
QByteArray m3u(const QList<Entry> &entries);

}  // namespace Playlist

#pragma once

#include "export/sound_file_commit.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The ID3 tag of an MP3 the converter makes: put before the frames as they
// are encoded, or written into a file joined from parts, which carry none
// (a file of a split is known only once its parts are). The texts and, for
// an audiobook, its chapter marks; ID3v2.4 in UTF-16.
namespace Mp3Tag {

struct Chapter
{
    QString title;
    double start = 0;  // seconds
    double end = 0;
};

// The tag's bytes; empty when there is nothing to say.
QByteArray render(const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters = {});

// Nothing is written when there is nothing to say; false when the file
// cannot be tagged.
bool write(const QString &path, const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters);

}  // namespace Mp3Tag

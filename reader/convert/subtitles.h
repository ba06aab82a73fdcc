#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Subtitles timed by sentence from the word marks of a rendering.
namespace Subtitles {

// A word heard at `seconds` into the audio, starting at `position` (UTF-16)
// in the rendered text.
struct Mark
{
    qint64 position = 0;
    double seconds = 0;
};

struct Cue
{
    double start = 0;
    double end = 0;
    QString text;  // on one line, blanks collapsed
};

// One cue per sentence (long ones cut at a clause or a space), in text
// order. A sentence with no word heard joins the cue before it, so the cues
// hold every word of the text. Times never go backwards and stay within
// the audio; a cue ends where the next begins, the last with the audio.
QList<Cue> cues(const QString &text, QList<Mark> marks, double audioSeconds);

enum class Kind { Srt, Lrc, WebVtt };
// From the file name's extension (.srt, .lrc, .vtt; any case): false for
// others.
bool kindForName(const QString &name, Kind *kind);
// The file in UTF-8.
QByteArray write(const QList<Cue> &cues, Kind kind);

}  // namespace Subtitles

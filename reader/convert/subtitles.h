#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "text/sentence_spans.h"

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

// A cue is the stretch of text shown at once: one sentence, or a part of
// a long one, cut as the reading window's sentence steps cut them (see
// SentenceSpans::find).
using Span = SentenceSpans::Span;
QList<Span> cueSpans(const QString &text, qsizetype maxChars);

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
// The same file a batch of cues at a time, for a book's subtitles, which
// need not stand whole in memory: the bytes of every add() and then of
// finish() are what write() gives for all the cues.
class Writer
{
public:
    explicit Writer(Kind kind)
        : m_kind(kind)
    {
    }
    QByteArray add(const QList<Cue> &cues);
    QByteArray finish();

private:
    Kind m_kind;
    bool m_started = false;
    qsizetype m_count = 0;
    double m_lastEnd = -1;  // of the last cue written; -1 before any
};
// The cues of an SRT file as write() makes it; false when it is not one.
bool readSrt(const QByteArray &file, QList<Cue> *cues);

// The SRT files of the parts a sound file was joined from, moved to where
// each part's sound starts in it (`starts`, in seconds; the last cue lasts
// to `seconds`, the sound's end), into `into` in its own kind, a part at a
// time: a book's subtitles never stand whole in memory. The reason when
// that fails; empty on success.
QString join(const QStringList &parts, const QList<double> &starts, double seconds, const QString &into);

}  // namespace Subtitles

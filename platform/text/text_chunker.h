#pragma once

#include <QString>

// Cuts a text into sentence-sized pieces lazily, one at a time, so that a
// long text costs nothing until it is spoken and a synthesizer never sees
// more than one bounded piece (a whole book in one flite utterance takes
// gigabytes; in one espeak-ng call it delays every parameter change).
class TextChunker
{
public:
    // The longest piece either synthesizer is handed in one call: it bounds
    // the audio made ahead of playback (about half a minute at most), and
    // flite's cost per utterance grows with its length.
    static constexpr qsizetype pieceChars = 400;

    struct Piece
    {
        qsizetype start = 0;
        qsizetype end = 0;  // exclusive
    };

    // The piece that starts at the first non-blank character at or after
    // from: up to the end of its sentence, or of a paragraph; when that is
    // further than maxLength, at the last clause break or space before
    // maxLength, or at maxLength itself. False when only blanks remain.
    static bool next(const QString &text, qsizetype from, qsizetype maxLength, Piece *piece);
};

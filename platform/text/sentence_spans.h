#pragma once

#include <QList>
#include <QString>

// Where the sentences of a text are: one rule for the converter's subtitle
// cues and speech pieces and for the reading window's sentence steps.
namespace SentenceSpans {

// A stretch of text (UTF-16, end exclusive).
struct Span
{
    qsizetype start = 0;
    qsizetype end = 0;
    bool operator==(const Span &) const = default;
};

// Sentences end at . ! ? … followed by a blank, and at the full-width and
// ideographic stops 。．！？ wherever they stand; a blank line ends one too,
// and so does the line break after a line shorter than 60 characters (a
// title, an author, a heading, an item of a list).
// A sentence longer than maxChars is cut at its last comma (, ; : and
// 、，；：) or else its last blank before maxChars, or else at a word
// boundary; a single word longer than that stays whole. The spans start at
// a non-blank, end after its last non-blank and come in text order.
QList<Span> find(const QString &text, qsizetype maxChars);

}  // namespace SentenceSpans

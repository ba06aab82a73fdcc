#pragma once

#include <QList>
#include <QString>

// Pure text helpers of the espeak-ng voice: where a spoken word ends, and
// how espeak-ng's positions and rates map onto ours.
namespace speechtext {

// End (exclusive) of the word starting at `start`: a run of letters, digits
// and marks, joined by apostrophes, hyphens and number separators when a
// letter or digit follows; or, for a word that starts with a symbol (an
// emoji, a currency sign), the run of such symbols. Trailing punctuation is
// not part of a word.
qsizetype wordEnd(const QString &text, qsizetype start);

// UTF-16 offset of each code point of text, plus text.size() at the end:
// result[i] is where the (0-based) code point i starts.
QList<qsizetype> codePointOffsets(const QString &text);

// The voice's rate (-10 … 10, 0 normal) in words per minute: 175 at 0,
// three times faster or slower at the ends, within 80 … 450.
int wordsPerMinute(long rate);

}  // namespace speechtext

#pragma once

#include <QString>

// The characters that end sentences and clauses, shared by the cutters of
// speech pieces and of subtitle cues so that both agree on a sentence.
namespace SentenceMarks {

bool isBlank(QChar c);
bool isLineBreak(QChar c);
// The line break at lineBreak is followed by a blank line (or the end):
// it ends a paragraph.
bool endsParagraph(const QString &text, qsizetype lineBreak);
// ". ! ? …": they end a sentence only before a blank ("3.5" does not).
bool isSentenceEnd(QChar c);
// The ideographic and full-width stops: scripts written without blanks end
// a sentence with them wherever they stand.
bool isWideSentenceEnd(QChar c);
bool isWideComma(QChar c);
// Closing quotes and brackets stay with the sentence they close.
bool isClosing(QChar c);
// "Mr. Smith" and "J. R. Smith" are one sentence: a full stop after a title
// or a single letter (the word starting at or after from) does not end it.
bool endsAbbreviation(const QString &text, qsizetype from, qsizetype dot);
bool nextWordIsLowercase(const QString &text, qsizetype from);

}  // namespace SentenceMarks
